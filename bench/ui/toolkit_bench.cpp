// One toolkit frame: a window holding one control of every type, and a window
// of 200 buttons, each drawn and hit-tested once per frame. Run under
// xvfb-run (Mesa's llvmpipe).
//
// "Executed" frames run every GL command and wait for the driver (glFinish).
// "Recorded" frames compile the same commands into a display list instead, so
// nothing is rasterised: what remains is the toolkit's own CPU time plus the
// driver's cost of storing the commands. The allocs_per_frame counter counts
// operator new calls made during the frames (0 is the target).
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "support/gl_window.h"
#include "ui/control.h"
#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/fonts.h"
#include "ui/icons.h"

namespace {

std::atomic<size_t> allocations{0};

} // namespace

// Counts every allocation; malloc and free underneath, which GCC cannot pair
// with the replaced operators.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, size_t) noexcept {
    std::free(memory);
}

namespace {

using namespace ui;

constexpr int kScreenWidth = 1024, kScreenHeight = 768;

void setUpToolkit() {
    static bool ready = false;
    if (ready) return;
    ready = true;
    EnsureGlWindow(kScreenWidth, kScreenHeight);
    loadFonts();
    createIconTextures();
    setScreenSize(kScreenWidth, kScreenHeight);
}

struct Point {
    int x, y;
};

// A maximal window whose children sit on a grid of cells; the hit points are
// the centres of the children on the screen.
struct Scene {
    Control* window = nullptr;
    std::vector<Point> hitPoints;
};

Control* placeInCell(Scene& scene, int type, int index, int columns, int width, int height) {
    Control* control = createControl(type, nullptr);
    setCurrentParent(scene.window);
    if (!control) return nullptr;
    int x = 5 + (index % columns) * (width + 5), y = 5 + (index / columns) * (height + 5);
    setPosition(control, x, y);
    setSize(control, width, height);
    int screenX = x + width / 2, screenY = y + height / 2;
    toScreen(scene.window, screenX, screenY);
    scene.hitPoints.push_back({screenX, screenY});
    return control;
}

Scene openWindow() {
    setUpToolkit();
    destroyAllControls();
    Scene scene;
    scene.window = createControl(LUI_WINDOW, "bench");
    setPosition(scene.window, 0, 0);
    setSize(scene.window, kScreenWidth, kScreenHeight);
    return scene;
}

// Every type a window can hold: the child and layout types.
std::vector<int> childTypes() {
    std::vector<int> types;
    for (int type = 0; type < kControlTypeCount; ++type) {
        Placement placement = placementOf(type);
        if (placement == Placement::Child || placement == Placement::Layout) types.push_back(type);
    }
    return types;
}

Scene everyTypeScene() {
    Scene scene = openWindow();
    int index = 0;
    for (int type : childTypes())
        placeInCell(scene, type, index++, 8, 120, 60);
    return scene;
}

Scene buttonScene() {
    Scene scene = openWindow();
    for (int index = 0; index < 200; ++index) {
        Control* button = placeInCell(scene, LUI_BUTTON, index, 10, 95, 30);
        setLabel(button, "Button");
    }
    return scene;
}

enum class Mode { Executed, Recorded };

void runFrames(benchmark::State& state, const Scene& scene, Mode mode) {
    GLuint list = glGenLists(1);
    size_t next = 0;
    size_t before = allocations.load();
    for (auto _ : state) {
        if (mode == Mode::Recorded) glNewList(list, GL_COMPILE);
        drawControls();
        if (mode == Mode::Recorded)
            glEndList();
        else
            glFinish();
        const Point& point = scene.hitPoints[next++ % scene.hitPoints.size()];
        dispatchHover(point.x, point.y);
    }
    state.counters["allocs_per_frame"] =
        benchmark::Counter(double(allocations.load() - before), benchmark::Counter::kAvgIterations);
    state.counters["controls"] = double(scene.hitPoints.size());
    glDeleteLists(list, 1);
    destroyAllControls();
}

void EveryTypeFrame(benchmark::State& state, Mode mode) {
    runFrames(state, everyTypeScene(), mode);
}
void ButtonsFrame(benchmark::State& state, Mode mode) {
    runFrames(state, buttonScene(), mode);
}

BENCHMARK_CAPTURE(EveryTypeFrame, executed, Mode::Executed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(EveryTypeFrame, recorded, Mode::Recorded)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ButtonsFrame, executed, Mode::Executed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ButtonsFrame, recorded, Mode::Recorded)->Unit(benchmark::kMicrosecond);

// One control of one type drawn on its own into a display list: which draw,
// if any, allocates.
void DrawOneControl(benchmark::State& state) {
    Scene scene = openWindow();
    Control* control = placeInCell(scene, int(state.range(0)), 0, 1, 120, 60);
    GLuint list = glGenLists(1);
    size_t before = allocations.load();
    for (auto _ : state) {
        glNewList(list, GL_COMPILE);
        drawControlAt(control);
        glEndList();
    }
    state.counters["allocs_per_draw"] =
        benchmark::Counter(double(allocations.load() - before), benchmark::Counter::kAvgIterations);
    glDeleteLists(list, 1);
    destroyAllControls();
}

void EveryChildType(benchmark::internal::Benchmark* benchmark) {
    for (int type : childTypes())
        benchmark->Arg(type);
}
BENCHMARK(DrawOneControl)->Apply(EveryChildType)->Unit(benchmark::kMicrosecond);

} // namespace
