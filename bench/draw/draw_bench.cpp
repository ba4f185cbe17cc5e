// What the 2D drawing library costs next to the driver doing the same work at once:
// 10,000 filled circles (radius 2 to 13 pixels) and 100,000 points a frame through the
// library, against one glDrawArrays of the same vertices, in the same context and the same
// idle-script frame. Run under xvfb-run; the ratio counters are what to watch.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "image/drawing.h"
#include "support/gl_window.h"

namespace {

constexpr int kCircles = 10000;
constexpr int kPoints = 100000;
constexpr int kCircleSegments = 30;

struct Vertex {
    float x, y;
};
struct Circle {
    float x, y, radius;
};

// The frame idle scripts draw in: x from -10 to 10, y from 0 to 16, alpha as transparency.
void SetUpFrame() {
    static const bool initialised = [] {
        EnsureGlWindow(1024, 768);
        Drawing2D::Initialise();
        return true;
    }();
    (void)initialised;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-10, 10, 0, 16, -40, 40);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA);
    Drawing2D::SetForeground(1, 0.8f, 0.2f);
    Drawing2D::SetTransparent(0);
}

// The same pseudo-random numbers in [0, 1) on every run.
float NextUnit(uint32_t& seed) {
    seed = seed * 1664525u + 1013904223u;
    return float(seed >> 8) / float(1 << 24);
}

std::vector<Circle> Circles() {
    std::vector<Circle> circles(kCircles);
    uint32_t seed = 1;
    for (Circle& c : circles)
        c = {-9.5f + 19 * NextUnit(seed), 0.5f + 15 * NextUnit(seed),
             0.05f + 0.2f * NextUnit(seed)};
    return circles;
}

std::vector<Vertex> Points() {
    std::vector<Vertex> points(kPoints);
    uint32_t seed = 2;
    for (Vertex& p : points)
        p = {-10 + 20 * NextUnit(seed), 16 * NextUnit(seed)};
    return points;
}

// The triangles the library's closed 31-vertex polygon of each circle comes to: a fan
// around its first vertex, 29 triangles a circle.
std::vector<Vertex> CircleTriangles(const std::vector<Circle>& circles) {
    const double step = 2.0 * M_PI / kCircleSegments;
    std::vector<Vertex> unit;
    for (int i = 0; i <= kCircleSegments; ++i)
        unit.push_back({float(std::cos(i * step)), float(std::sin(i * step))});
    std::vector<Vertex> triangles;
    for (const Circle& c : circles) {
        auto at = [&](int i) {
            return Vertex{c.x + c.radius * unit[i].x, c.y + c.radius * unit[i].y};
        };
        for (int i = 1; i < kCircleSegments; ++i) {
            triangles.push_back(at(0));
            triangles.push_back(at(i));
            triangles.push_back(at(i + 1));
        }
    }
    return triangles;
}

// Seconds from a cleared frame to the end of drawing; the clear is not counted.
template <typename Draw> double SecondsToDraw(Draw draw) {
    glClear(GL_COLOR_BUFFER_BIT);
    glFinish();
    const auto start = std::chrono::steady_clock::now();
    draw();
    glFinish();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void DrawAtOnce(GLenum mode, const std::vector<Vertex>& vertices) {
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, vertices.data());
    glDrawArrays(mode, 0, GLsizei(vertices.size()));
    glDisableClientState(GL_VERTEX_ARRAY);
}

// Both ways alternate inside each iteration, so the ratio is measured under the same
// conditions; the reported time is the library's.
template <typename Library>
void Compare(benchmark::State& state, Library library, GLenum mode,
             const std::vector<Vertex>& vertices) {
    SetUpFrame();
    double librarySeconds = 0, driverSeconds = 0;
    for (auto _ : state) {
        const double seconds = SecondsToDraw(library);
        driverSeconds += SecondsToDraw([&] { DrawAtOnce(mode, vertices); });
        librarySeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["driver_ms"] = driverSeconds * 1e3 / double(state.iterations());
    state.counters["ratio"] = librarySeconds / driverSeconds;
}

void BM_FilledCirclesAgainstOneDrawArrays(benchmark::State& state) {
    static const std::vector<Circle> circles = Circles();
    static const std::vector<Vertex> triangles = CircleTriangles(circles);
    Compare(
        state,
        [] {
            for (const Circle& c : circles)
                Drawing2D::DrawFilledCircle(c.x, c.y, c.radius);
        },
        GL_TRIANGLES, triangles);
}
BENCHMARK(BM_FilledCirclesAgainstOneDrawArrays)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

void BM_PointsAgainstOneDrawArrays(benchmark::State& state) {
    static const std::vector<Vertex> points = Points();
    Compare(
        state,
        [] {
            for (const Vertex& p : points)
                Drawing2D::DrawPoint(p.x, p.y);
        },
        GL_POINTS, points);
}
BENCHMARK(BM_PointsAgainstOneDrawArrays)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

} // namespace
