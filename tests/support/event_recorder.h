// Receivers for the platform back end that write down what reaches them: a
// filter that takes input events or leaves them as told, and handlers
// behind it. Each line is "receiver kind a,b @x,y" plus " mod N" when the
// event came with modifier keys.
#pragma once

#include <string>

#include "platform/glut_backend.h"

struct EventRecorder {
    // Lines since the last Route.
    static std::string log;
    // Whether the filter takes the input events it records.
    static bool filterTakes;

    static const platform::EventFilter filter;
    static const platform::EventHandlers handlers;

    // Routes the back end's events to both and clears the log.
    static void Route(bool takes = false);
};
