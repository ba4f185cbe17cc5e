#include "toolkit_fixture.h"

#include <cctype>
#include <string_view>

#include "platform/glut_backend.h"
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

const platform::EventHandlers recordingHandlers{
    .mouse = [](int b, int s, int x, int y) { record("hook", "button", b, s, x, y); },
    .motion = [](int x, int y) { record("hook", "drag", 0, 0, x, y); },
    .passiveMotion = [](int x, int y) { record("hook", "hover", 0, 0, x, y); },
    .keyboard = [](unsigned char key, int x, int y) { record("hook", "key", key, 0, x, y); },
    .special = [](int key, int x, int y) { record("hook", "special", key, 0, x, y); },
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

void sendButton(int button, int state, int x, int y) {
    platform::DeliverInput({platform::InputKind::MouseButton, button, state, x, y});
}
void sendDrag(int x, int y) {
    platform::DeliverInput({platform::InputKind::Motion, 0, 0, x, y});
}
void sendHover(int x, int y) {
    platform::DeliverInput({platform::InputKind::PassiveMotion, 0, 0, x, y});
}
void sendKey(unsigned char key, int x, int y) {
    platform::DeliverInput({platform::InputKind::Key, key, 0, x, y});
}
void sendSpecialKey(int key, int x, int y, int modifiers) {
    platform::DeliverInput({platform::InputKind::SpecialKey, key, 0, x, y, modifiers});
}

void press(int x, int y) {
    sendButton(kLeftButton, kButtonDown, x, y);
}
void release(int x, int y) {
    sendButton(kLeftButton, kButtonUp, x, y);
}
void click(int x, int y) {
    press(x, y);
    release(x, y);
}

void dragAlong(const std::vector<std::pair<int, int>>& points) {
    press(points.front().first, points.front().second);
    for (size_t i = 1; i < points.size(); ++i)
        sendDrag(points[i].first, points[i].second);
    release(points.back().first, points.back().second);
}

void ToolkitTest::SetUp() {
    EnsureGlWindow();
    destroyAllControls();
    releaseCapture();
    platform::RouteEvents(toolkitEvents(), recordingHandlers);
    platform::DeliverReshape(1024, 768);
    if (!toolkitVisible()) toggleToolkitVisible();
    if (overwriteMode()) dispatchSpecialKey(kInsertKey, 0, 0);
    eventLog.clear();
}

// The recording handlers stay routed: every toolkit test routes them afresh.
void ToolkitTest::TearDown() {
    destroyAllControls();
}
