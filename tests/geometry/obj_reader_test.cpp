// The OBJ reader on text written as exporters and hand-editors write it:
// faces as fans, corner forms, skipped statements, hostile lines, and the
// vertices the build makes from them.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "geometry/obj_reader.h"
#include "support/script_run.h"

namespace {

ObjReader Read(const std::string& text) {
    ObjReader reader;
    reader.ReadText(text);
    return reader;
}

// Triangles as "p/t/n p/t/n p/t/n | ...", numbered from 1 as in the file; 0
// stands for none.
std::string Faces(const ObjReader& reader) {
    std::string text;
    for (const ObjTriangle& triangle : reader.faces) {
        if (!text.empty()) text += " |";
        for (const ObjCorner& c : triangle.corners) {
            text += " " + std::to_string(int64_t{c.position} + 1) + "/" +
                    std::to_string(int64_t{c.texcoord} + 1) + "/" +
                    std::to_string(int64_t{c.normal} + 1);
        }
    }
    return text.empty() ? text : text.substr(1);
}

std::string Vertex(const MeshVertex& v) {
    char text[160];
    snprintf(text, sizeof text, "%g %g, %g %g %g, %g %g %g", v.s, v.t, v.nx, v.ny, v.nz, v.x, v.y,
             v.z);
    return text;
}

IMesh Build(const std::string& text) {
    IMesh mesh;
    Read(text).Build(mesh);
    return mesh;
}

struct FaceRow {
    const char* name;
    std::string text;
    std::string faces;
};

// Every row declares a texture coordinate, so none are made up.
const FaceRow faceRows[] = {
    {"QuadIsAFanAroundItsFirstCorner", "f 1 2 3 4", "1/0/0 2/0/0 3/0/0 | 1/0/0 3/0/0 4/0/0"},
    {"PentagonGivesThreeTriangles", "f 5 4 3 2 1",
     "5/0/0 4/0/0 3/0/0 | 5/0/0 3/0/0 2/0/0 | 5/0/0 2/0/0 1/0/0"},
    {"TwoCornersAddNothing", "f 1 2\nf 1\nf\n1 2 3\nf 3 4 5", "3/0/0 4/0/0 5/0/0"},
    {"CornerForms", "f 1/2 3//4 5/6/7 / 8/",
     "1/2/0 3/0/4 5/6/7 | 1/2/0 5/6/7 0/0/0 | 1/2/0 0/0/0 8/0/0"},
    {"RelativeNumbersCountBackFromWhatWasRead",
     "v 0 0 0\nv 0 0 0\nvn 0 0 1\nf -2/-1/-1 -1/1/-1 1//-1\nv 0 0 0\nf -1 -2 -3",
     "1/1/1 2/1/1 1/0/1 | 3/0/0 2/0/0 1/0/0"},
    {"RelativeNumberBeforeTheFirstIsNone", "v 0 0 0\nf -2 -1 -1/-2", "0/0/0 1/0/0 1/0/0"},
    {"HugeNumbersAreOutOfRange", "f 99999999999999999999 2147483648 3/4294967297",
     "0/0/0 2147483648/0/0 3/0/0"},
    {"CommentWithALoneFStartsAFace", "# see f 1 2 3 on its own", "1/0/0 2/0/0 3/0/0"},
    {"CommentWithAnFAmongWordsAddsNothing", "# f is for faces\n#f 1 2 3\n# if 1 2 3", ""},
    {"StrayCharacterEndsTheLine", "f 1 2 3 x 4 5\nf 6 7 8\tnine 9",
     "1/0/0 2/0/0 3/0/0 | 6/0/0 7/0/0 8/0/0"},
    {"MinusWithoutDigitsEndsTheLine", "f 1 2 3 - 4\nf 1/-/2 3 4 5", "1/0/0 2/0/0 3/0/0"},
    {"CarriageReturnLineFeedEndings", "f 1 2 3\r\nf 4//1 5//1 6//1\r\n\r\nf 7 8 9\r\n",
     "1/0/0 2/0/0 3/0/0 | 4/0/1 5/0/1 6/0/1 | 7/0/0 8/0/0 9/0/0"},
    {"ExporterStatementsAreSkipped",
     "mtllib a.mtl\no Obj\ng left right\nusemtl Mat\ns off\ns 1\nf 1 2 3\nl 1 2 3\np 3 4 5\n"
     "vp 0.5 0.5\ncstype bspline",
     "1/0/0 2/0/0 3/0/0"},
    {"LongWordEndingInFIsOneWord",
     std::string(63, 'x') + "f 1 2 3\n" + std::string(5000, 'y') + "\nf 4 5 6",
     "4/0/0 5/0/0 6/0/0"},
};

void PrintTo(const FaceRow& row, std::ostream* out) {
    *out << row.name;
}

class ObjFaces : public testing::TestWithParam<FaceRow> {};

TEST_P(ObjFaces, Read) {
    EXPECT_EQ(Faces(Read("vt 0 0\n" + GetParam().text)), GetParam().faces);
}

INSTANTIATE_TEST_SUITE_P(Rows, ObjFaces, testing::ValuesIn(faceRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ObjReader, NumbersAsTheCLibraryReadsThem) {
    ObjReader reader =
        Read("v 1 2 3 0.5\nv +1.5 -2e2 0x10\nvn nan inf -INF\nvt 0.25 .5 7\nvt 1\n2");
    ASSERT_EQ(reader.positions.size(), 2u);
    EXPECT_EQ(reader.positions[0].z, 3.0f); // w skipped as a word of its own
    EXPECT_EQ(reader.positions[1].x, 1.5f);
    EXPECT_EQ(reader.positions[1].y, -200.0f);
    EXPECT_EQ(reader.positions[1].z, 16.0f);
    ASSERT_EQ(reader.normals.size(), 1u);
    EXPECT_TRUE(std::isnan(reader.normals[0].x));
    EXPECT_EQ(reader.normals[0].y, INFINITY);
    EXPECT_EQ(reader.normals[0].z, -INFINITY);
    ASSERT_EQ(reader.texcoords.size(), 2u); // a number may follow on the next line
    EXPECT_EQ(reader.texcoords[0].t, 0.5f);
    EXPECT_EQ(reader.texcoords[1].t, 2.0f);
}

TEST(ObjReader, ReadingEndsAtTheFirstNumberThatFails) {
    ObjReader reader = Read("v 1 2 3\nvt 0 0\nf 1 1 1\nv 4 5 x\nv 6 7 8\nf 1 1 1");
    EXPECT_EQ(reader.positions.size(), 1u);
    EXPECT_EQ(reader.faces.size(), 1u);
    EXPECT_EQ(Read("vt 0.5\nv 1 2 3").texcoords.size(), 0u);
    EXPECT_EQ(Read("v 1 2 +-3\nv 1 2 3").positions.size(), 0u);
}

TEST(ObjReader, FaceLinesOfAnyLengthAreReadWhole) {
    std::string line = "vt 0 0\nf";
    for (int i = 1; i <= 200; ++i)
        line += " " + std::to_string(i) + "/1/1";
    ObjReader reader = Read(line + "\nf 7 8 9");
    ASSERT_EQ(reader.faces.size(), 199u);
    EXPECT_EQ(reader.faces[197].corners[2].position, 199);
    EXPECT_EQ(reader.faces[198].corners[0].position, 6);
}

TEST(ObjReader, TextureCoordinatesAreMadeUpOnlyWhenTheFileHasNone) {
    ObjReader madeUp = Read("v 1 2 3\nv 4 5 6\nv 7 8 9\nf 1/5 2 3//1");
    ASSERT_EQ(madeUp.texcoords.size(), 3u);
    EXPECT_EQ(madeUp.texcoords[2].s, 7.0f);
    EXPECT_EQ(madeUp.texcoords[2].t, 9.0f);
    EXPECT_EQ(Faces(madeUp), "1/1/0 2/2/0 3/3/1");

    ObjReader given = Read("v 1 2 3\nv 4 5 6\nv 7 8 9\nvt 0.5 0.5\nf 1/1 2 3//1");
    EXPECT_EQ(given.texcoords.size(), 1u);
    EXPECT_EQ(Faces(given), "1/1/0 2/0/0 3/0/1");
}

TEST(ObjReader, ReadsFilesAndClearsWhatWasReadBefore) {
    std::string folder = MakeWorkDir();
    WriteFile(folder + "/one.obj", "v 1 2 3\r\nv 4 5 6\r\nv 7 8 9\r\nf 1 2 3\r\n");
    ObjReader reader;
    EXPECT_TRUE(reader.Read((folder + "/one.obj").c_str()));
    EXPECT_EQ(reader.positions.size(), 3u);
    EXPECT_EQ(reader.faces.size(), 1u);
    EXPECT_FALSE(reader.Read((folder + "/missing.obj").c_str()));
    EXPECT_EQ(reader.positions.size(), 0u);
    EXPECT_FALSE(reader.Read(folder.c_str()));
    WriteFile(folder + "/empty.obj", "");
    EXPECT_TRUE(reader.Read((folder + "/empty.obj").c_str()));
}

TEST(ObjBuild, CubeCornersShareVerticesPerFace) {
    ObjReader reader;
    ASSERT_TRUE(reader.Read(SCRIPTDESK_RUNTIME_DIR "/meshes/cube.obj"));
    IMesh mesh;
    reader.Build(mesh);
    EXPECT_EQ(mesh.IndexCount(), 36u);
    EXPECT_EQ(mesh.VertexCount(), 24u);
    // The second triangle of the first face reuses its first and third corners.
    const std::vector<uint32_t>& i = mesh.Indices();
    EXPECT_EQ(std::vector<uint32_t>(i.begin(), i.begin() + 6),
              (std::vector<uint32_t>{0, 1, 2, 0, 2, 3}));
    EXPECT_EQ(Vertex(mesh.Vertices()[2]), "1 1, 0 0 1, 1 1 1");
}

TEST(ObjBuild, CornersMergeOnlyWhenEveryComponentIsWithinTheTolerance) {
    // As floats, 1.0000099 lies 0.0000099 from 1 and 1.00001 lies 0.0000100136 from it.
    // The third corner is within reach of both earlier vertices and takes the first.
    IMesh mesh = Build("v 1 0 0\nv 1.00001 0 0\nv 1.0000099 0 0\nvn 0 0 1\nvn 0 0 1.0000099\n"
                       "vn 0 0 1.00001\nvt 0 0\nf 1/1/1 2/1/1 3/1/1 1/1/2 1/1/3");
    EXPECT_EQ(mesh.Indices(), (std::vector<uint32_t>{0, 1, 0, 0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(mesh.VertexCount(), 3u);
}

TEST(ObjBuild, NumbersThatNameNothingGiveZeros) {
    IMesh mesh = Build("v 1 2 3\nvn 0 1 0\nvt 0.5 0.25\nf 1/1/1 1/9/1 9/1/9 1 -5/-5/-5 1/1/1");
    std::vector<std::string> vertices;
    for (const MeshVertex& v : mesh.Vertices())
        vertices.push_back(Vertex(v));
    EXPECT_EQ(vertices, (std::vector<std::string>{"0.5 0.25, 0 1 0, 1 2 3", "0 0, 0 1 0, 1 2 3",
                                                  "0.5 0.25, 0 0 0, 0 0 0", "0 0, 0 0 0, 1 2 3",
                                                  "0 0, 0 0 0, 0 0 0"}));
    EXPECT_EQ(mesh.Indices(), (std::vector<uint32_t>{0, 1, 2, 0, 2, 3, 0, 3, 4, 0, 4, 0}));
}

TEST(ObjBuild, MoreVerticesThanSixteenBitsCanNumber) {
    std::string text = "vt 0 0\n";
    for (int i = 0; i < 70000; ++i)
        text += "v " + std::to_string(i) + " 0 0\n";
    text += "f";
    for (int i = 1; i <= 70000; ++i)
        text += " " + std::to_string(i);
    IMesh mesh = Build(text);
    EXPECT_EQ(mesh.VertexCount(), 70000u);
    ASSERT_EQ(mesh.IndexCount(), 3u * 69998);
    EXPECT_EQ(mesh.Indices()[3 * 65535 + 1], 65536u);
    EXPECT_EQ(mesh.Indices().back(), 69999u);
    EXPECT_EQ(mesh.VertexPosition(69999).x, 69999.0f);
}

} // namespace
