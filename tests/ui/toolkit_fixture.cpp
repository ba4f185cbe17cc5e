#include "toolkit_fixture.h"

#include <ostream>

#include "support/gl_window.h"
#include "ui/dispatch.h"
#include "ui/toolkit.h"

using namespace ui;

std::ostream& operator<<(std::ostream& out, const Event& event) {
    return out << event.target << ":" << event.kind << "(" << event.code << "," << event.state
               << " @" << event.x << "," << event.y << ")";
}

std::vector<Event>& recordedEvents() {
    static std::vector<Event> events;
    return events;
}

std::vector<Event> eventsOf(const std::string& target) {
    std::vector<Event> matching;
    for (const Event& event : recordedEvents())
        if (event.target == target) matching.push_back(event);
    return matching;
}

namespace {

void record(const char* target, const char* kind, int code, int state, int x, int y) {
    recordedEvents().push_back({target, kind, code, state, x, y});
}

template <int Claim>
struct Recorder {
    static int button(Control* c, int button, int state, int x, int y) {
        record(c->name, "button", button, state, x, y);
        return Claim;
    }
    static int drag(Control* c, int x, int y, int dx, int dy) {
        record(c->name, "drag", dx, dy, x, y);
        return Claim;
    }
    static int hover(Control* c, int x, int y, int dx, int dy) {
        record(c->name, "hover", dx, dy, x, y);
        return Claim;
    }
    static int key(Control* c, int character, int x, int y) {
        record(c->name, "key", character, 0, x, y);
        return Claim;
    }
    static int special(Control* c, int key, int x, int y) {
        record(c->name, "special", key, 0, x, y);
        return Claim;
    }
};

template <int Claim>
constexpr ControlClass recorderClass() {
    return ControlClass{
        .typeId = 14,
        .onKey = Recorder<Claim>::key,
        .onSpecialKey = Recorder<Claim>::special,
        .onDrag = Recorder<Claim>::drag,
        .onHover = Recorder<Claim>::hover,
        .onMouseButton = Recorder<Claim>::button,
    };
}

void hookButton(int button, int state, int x, int y) { record("hook", "button", button, state, x, y); }
void hookDrag(int x, int y) { record("hook", "drag", 0, 0, x, y); }
void hookHover(int x, int y) { record("hook", "hover", 0, 0, x, y); }
void hookKey(unsigned char key, int x, int y) { record("hook", "key", key, 0, x, y); }
void hookSpecial(int key, int x, int y) { record("hook", "special", key, 0, x, y); }

} // namespace

const ControlClass probeClass = recorderClass<1>();
const ControlClass silentProbeClass = recorderClass<0>();
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
    setMouseHook(hookButton);
    setDragHook(hookDrag);
    setPassiveMotionHook(hookHover);
    setKeyboardHook(hookKey);
    setSpecialHook(hookSpecial);
    recordedEvents().clear();
}

void ToolkitTest::TearDown() {
    destroyAllControls();
    setMouseHook(nullptr);
    setDragHook(nullptr);
    setPassiveMotionHook(nullptr);
    setKeyboardHook(nullptr);
    setSpecialHook(nullptr);
}
