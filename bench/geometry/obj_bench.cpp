// Reading and building a 200,000-triangle OBJ file as MakeMesh does, against
// tinyobjloader reading the same file; and how the vertex merge grows from
// 20,000 to 200,000 triangles.
#include <benchmark/benchmark.h>
#include <tiny_obj_loader.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "geometry/obj_reader.h"
#include "geometry/vertex_merge.h"

namespace {

// A torus of rings x segments quads, two triangles each, written the way
// exporters write: positions, texture coordinates and normals with six
// decimals, then faces of position/texture/normal triples.
std::string TorusText(int rings, int segments) {
    std::string text = "# generated torus\no Torus\n";
    char line[256];
    auto angle = [](int i, int n) { return 2.0 * M_PI * i / n; };
    for (int i = 0; i < rings; ++i) {
        for (int j = 0; j < segments; ++j) {
            double a = angle(i, rings), b = angle(j, segments);
            double radius = 2.0 + 0.6 * std::cos(b);
            snprintf(line, sizeof line, "v %.6f %.6f %.6f\n", radius * std::cos(a),
                     0.6 * std::sin(b), -radius * std::sin(a));
            text += line;
        }
    }
    for (int i = 0; i < rings; ++i) {
        for (int j = 0; j < segments; ++j) {
            snprintf(line, sizeof line, "vt %.6f %.6f\n", double(i) / rings, double(j) / segments);
            text += line;
        }
    }
    for (int i = 0; i < rings; ++i) {
        for (int j = 0; j < segments; ++j) {
            double a = angle(i, rings), b = angle(j, segments);
            snprintf(line, sizeof line, "vn %.4f %.4f %.4f\n", std::cos(b) * std::cos(a),
                     std::sin(b), -std::cos(b) * std::sin(a));
            text += line;
        }
    }
    text += "s 1\n";
    auto corner = [&](int i, int j) { return (i % rings) * segments + (j % segments) + 1; };
    for (int i = 0; i < rings; ++i) {
        for (int j = 0; j < segments; ++j) {
            int c[4] = {corner(i, j), corner(i + 1, j), corner(i + 1, j + 1), corner(i, j + 1)};
            snprintf(line, sizeof line,
                     "f %d/%d/%d %d/%d/%d %d/%d/%d\nf %d/%d/%d %d/%d/%d %d/%d/%d\n", c[0], c[0],
                     c[0], c[1], c[1], c[1], c[2], c[2], c[2], c[0], c[0], c[0], c[2], c[2], c[2],
                     c[3], c[3], c[3]);
            text += line;
        }
    }
    return text;
}

// 250 x 400 quads: 200,000 triangles over 100,000 vertices.
constexpr int kTriangles = 200000;

const std::string& LargeFile() {
    static const std::string path = [] {
        std::string name = "/tmp/scriptdesk-bench-" + std::to_string(getpid()) + ".obj";
        std::string text = TorusText(250, 400);
        FILE* file = fopen(name.c_str(), "wb");
        fwrite(text.data(), 1, text.size(), file);
        fclose(file);
        return name;
    }();
    return path;
}

struct RemoveLargeFile {
    ~RemoveLargeFile() { std::remove(LargeFile().c_str()); }
} removeLargeFile;

void MakeMeshReadAndBuild(benchmark::State& state) {
    const char* path = LargeFile().c_str();
    for (auto _ : state) {
        ObjReader reader;
        IMesh mesh;
        if (!reader.Read(path)) state.SkipWithError("read failed");
        reader.Build(mesh);
        if (mesh.IndexCount() != 3 * kTriangles) state.SkipWithError("wrong triangle count");
        benchmark::DoNotOptimize(mesh.Vertices().data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kTriangles);
}
BENCHMARK(MakeMeshReadAndBuild)->Unit(benchmark::kMillisecond);

void TinyObjLoaderRead(benchmark::State& state) {
    const char* path = LargeFile().c_str();
    for (auto _ : state) {
        tinyobj::attrib_t attrib;
        std::vector<tinyobj::shape_t> shapes;
        std::vector<tinyobj::material_t> materials;
        std::string warning, error;
        if (!tinyobj::LoadObj(&attrib, &shapes, &materials, &warning, &error, path))
            state.SkipWithError("tinyobjloader failed");
        if (shapes.empty() || shapes[0].mesh.indices.size() != 3 * kTriangles)
            state.SkipWithError("wrong triangle count");
        benchmark::DoNotOptimize(attrib.vertices.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kTriangles);
}
BENCHMARK(TinyObjLoaderRead)->Unit(benchmark::kMillisecond);

// The merge alone, on the corners of a torus of rings x 400 quads already
// read, in face order: each vertex is shared by six corners.
void MergeGrowth(benchmark::State& state) {
    int rings = static_cast<int>(state.range(0));
    ObjReader reader;
    reader.ReadText(TorusText(rings, 400));
    std::vector<MeshVertex> corners;
    for (const ObjTriangle& triangle : reader.faces)
        for (const ObjCorner& corner : triangle.corners)
            corners.push_back(reader.CornerVertex(corner));
    for (auto _ : state) {
        VertexMerger merger(corners.size() / 6);
        for (const MeshVertex& corner : corners)
            benchmark::DoNotOptimize(merger.Add(corner));
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * reader.faces.size());
    state.SetLabel(std::to_string(reader.faces.size()) + " triangles");
}
BENCHMARK(MergeGrowth)->Arg(25)->Arg(250)->Unit(benchmark::kMillisecond);

} // namespace
