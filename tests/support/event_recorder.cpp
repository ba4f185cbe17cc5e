#include "support/event_recorder.h"

std::string EventRecorder::log;
bool EventRecorder::filterTakes = false;

namespace {

bool Record(const char* receiver, const char* kind, int a, int b, int x, int y) {
    std::string line = std::string(receiver) + " " + kind + " " + std::to_string(a) + "," +
                       std::to_string(b) + " @" + std::to_string(x) + "," + std::to_string(y);
    if (int modifiers = platform::HeldModifiers()) line += " mod " + std::to_string(modifiers);
    EventRecorder::log += line + "\n";
    return EventRecorder::filterTakes;
}

} // namespace

const platform::EventFilter EventRecorder::filter{
    .reshape = [](int w, int h) { Record("filter", "reshape", w, h, 0, 0); },
    .idle = [] { Record("filter", "idle", 0, 0, 0, 0); },
    .mouse = [](int b, int s, int x, int y) { return Record("filter", "button", b, s, x, y); },
    .motion = [](int x, int y) { return Record("filter", "drag", 0, 0, x, y); },
    .passiveMotion = [](int x, int y) { return Record("filter", "hover", 0, 0, x, y); },
    .keyboard = [](unsigned char k, int x, int y) { return Record("filter", "key", k, 0, x, y); },
    .special = [](int k, int x, int y) { return Record("filter", "special", k, 0, x, y); },
};

const platform::EventHandlers EventRecorder::handlers{
    .display = [] { Record("handlers", "display", 0, 0, 0, 0); },
    .reshape = [](int w, int h) { Record("handlers", "reshape", w, h, 0, 0); },
    .idle = [] { Record("handlers", "idle", 0, 0, 0, 0); },
    .mouse = [](int b, int s, int x, int y) { Record("handlers", "button", b, s, x, y); },
    .motion = [](int x, int y) { Record("handlers", "drag", 0, 0, x, y); },
    .passiveMotion = [](int x, int y) { Record("handlers", "hover", 0, 0, x, y); },
    .keyboard = [](unsigned char k, int x, int y) { Record("handlers", "key", k, 0, x, y); },
    .special = [](int k, int x, int y) { Record("handlers", "special", k, 0, x, y); },
};

void EventRecorder::Route(bool takes) {
    filterTakes = takes;
    log.clear();
    platform::RouteEvents(filter, handlers);
}
