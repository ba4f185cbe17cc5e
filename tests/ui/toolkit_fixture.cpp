#include "toolkit_fixture.h"

#include <GL/glut.h>

#include <cctype>
#include <string_view>

#include "support/gl_window.h"
#include "ui/dispatch.h"
#include "ui/toolkit.h"

using namespace ui;

std::string eventLog;

namespace {

int record(const char* target, const char* kind, int a, int b, int x, int y, int claim = 0) {
    const bool printable = std::string_view(kind) == "key" && std::isprint(a);
    eventLog += std::string(target) + " " + kind + " " +
                (printable ? std::string(1, static_cast<char>(a)) : std::to_string(a)) + "," +
                std::to_string(b) + " @" + std::to_string(x) + "," + std::to_string(y) + "\n";
    return claim;
}

template <int Claim>
constexpr ControlClass recorder{
    .typeId = 14,
    .onKey = [](Control* c, int k, int x,
                int y) { return record(c->name, "key", k, 0, x, y, Claim); },
    .onSpecialKey = [](Control* c, int k, int x,
                       int y) { return record(c->name, "special", k, 0, x, y, Claim); },
    .onDrag = [](Control* c, int x, int y, int dx,
                 int dy) { return record(c->name, "drag", dx, dy, x, y, Claim); },
    .onHover = [](Control* c, int x, int y, int dx,
                  int dy) { return record(c->name, "hover", dx, dy, x, y, Claim); },
    .onMouseButton = [](Control* c, int b, int s, int x,
                        int y) { return record(c->name, "button", b, s, x, y, Claim); },
};

} // namespace

const ControlClass probeClass = recorder<1>;
const ControlClass silentProbeClass = recorder<0>;
const ControlClass probeContainerClass{
    .typeId = 33,
    .isContainer = 1,
    .onKey = forwardKey,
    .onSpecialKey = forwardSpecialKey,
    .onDrag = forwardDrag,
    .onHover = containerHover,
    .onMouseButton = forwardMouseButton,
};

Control* makeProbe(Control* parent, const char* name, int x, int y, int width, int height,
                   const ControlClass* cls) {
    auto* probe = new Control{.cls = cls, .width = width, .height = height, .x = x, .y = y};
    renameControl(probe, name);
    attachChild(parent, probe);
    return probe;
}

void press(int x, int y) {
    toolkitMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
}
void release(int x, int y) {
    toolkitMouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
}
void click(int x, int y) {
    press(x, y);
    release(x, y);
}

void dragAlong(const std::vector<std::pair<int, int>>& points) {
    press(points.front().first, points.front().second);
    for (size_t i = 1; i < points.size(); ++i)
        toolkitMotion(points[i].first, points[i].second);
    release(points.back().first, points.back().second);
}

void ToolkitTest::SetUp() {
    EnsureGlWindow();
    destroyAllControls();
    releaseCapture();
    toolkitReshape(1024, 768);
    if (!toolkitVisible()) toggleToolkitVisible();
    if (overwriteMode()) dispatchSpecialKey(kInsertKey, 0, 0);
    setMouseHook([](int b, int s, int x, int y) { record("hook", "button", b, s, x, y); });
    setDragHook([](int x, int y) { record("hook", "drag", 0, 0, x, y); });
    setPassiveMotionHook([](int x, int y) { record("hook", "hover", 0, 0, x, y); });
    setKeyboardHook([](unsigned char key, int x, int y) { record("hook", "key", key, 0, x, y); });
    setSpecialHook([](int key, int x, int y) { record("hook", "special", key, 0, x, y); });
    eventLog.clear();
}

// The recording hooks stay installed: every toolkit test installs them afresh.
void ToolkitTest::TearDown() {
    destroyAllControls();
}
