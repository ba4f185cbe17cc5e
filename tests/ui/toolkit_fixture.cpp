#include "toolkit_fixture.h"

#include <cctype>
#include <string_view>

#include "support/gl_window.h"
#include "ui/dispatch.h"
#include "ui/toolkit.h"

using namespace ui;

std::string& eventLog() {
    static std::string log;
    return log;
}

int eventsOf(const std::string& target) {
    int count = 0;
    for (size_t at = 0; at < eventLog().size(); at = eventLog().find('\n', at) + 1)
        count += eventLog().compare(at, target.size() + 1, target + " ") == 0;
    return count;
}

namespace {

int record(const char* target, const char* kind, int a, int b, int x, int y, int claim = 0) {
    const bool printable = std::string_view(kind) == "key" && std::isprint(a);
    eventLog() += std::string(target) + " " + kind + " " +
                  (printable ? std::string(1, static_cast<char>(a)) : std::to_string(a)) + "," +
                  std::to_string(b) + " @" + std::to_string(x) + "," + std::to_string(y) + "\n";
    return claim;
}

template <int Claim> struct Recorder {
    static int button(Control* c, int button, int state, int x, int y) {
        return record(c->name, "button", button, state, x, y, Claim);
    }
    static int drag(Control* c, int x, int y, int dx, int dy) {
        return record(c->name, "drag", dx, dy, x, y, Claim);
    }
    static int hover(Control* c, int x, int y, int dx, int dy) {
        return record(c->name, "hover", dx, dy, x, y, Claim);
    }
    static int key(Control* c, int character, int x, int y) {
        return record(c->name, "key", character, 0, x, y, Claim);
    }
    static int special(Control* c, int key, int x, int y) {
        return record(c->name, "special", key, 0, x, y, Claim);
    }
    static constexpr ControlClass cls{
        .typeId = 14,
        .onKey = key,
        .onSpecialKey = special,
        .onDrag = drag,
        .onHover = hover,
        .onMouseButton = button,
    };
};

} // namespace

const ControlClass probeClass = Recorder<1>::cls;
const ControlClass silentProbeClass = Recorder<0>::cls;
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
    auto* probe = new Control{};
    probe->cls = cls;
    renameControl(probe, name);
    setPosition(probe, x, y);
    probe->width = width;
    probe->height = height;
    attachChild(parent, probe);
    return probe;
}

void ToolkitTest::SetUp() {
    EnsureGlWindow();
    destroyAllControls();
    releaseCapture();
    toolkitReshape(1024, 768);
    if (!toolkitVisible()) toggleToolkitVisible();
    if (overwriteMode()) dispatchSpecialKey(kInsertKey, 0, 0);
    setMouseHook(
        [](int button, int state, int x, int y) { record("hook", "button", button, state, x, y); });
    setDragHook([](int x, int y) { record("hook", "drag", 0, 0, x, y); });
    setPassiveMotionHook([](int x, int y) { record("hook", "hover", 0, 0, x, y); });
    setKeyboardHook([](unsigned char key, int x, int y) { record("hook", "key", key, 0, x, y); });
    setSpecialHook([](int key, int x, int y) { record("hook", "special", key, 0, x, y); });
    eventLog().clear();
}

void ToolkitTest::TearDown() {
    destroyAllControls();
    setMouseHook(nullptr);
    setDragHook(nullptr);
    setPassiveMotionHook(nullptr);
    setKeyboardHook(nullptr);
    setSpecialHook(nullptr);
}
