#include "app/camera.h"

namespace {
constexpr int kButtonDown = 0;
}

void TrackMouseButton(MouseTracking& mouse, int button, int state, int x, int y) {
    mouse.lastX = x;
    mouse.lastY = y;
    bool down = state == kButtonDown;
    switch (button) {
    case 0: mouse.leftHeld = down; break;
    case 1: mouse.middleHeld = down; break;
    case 2: mouse.rightHeld = down; break;
    default: break;
    }
}

void ApplyMouseMotion(ViewCamera& camera, MouseTracking& mouse, int x, int y) {
    int dx = x - mouse.lastX;
    int dy = y - mouse.lastY;
    mouse.lastX = x;
    mouse.lastY = y;
    if (mouse.leftHeld && mouse.middleHeld) {
        camera.distance -= dx * 0.05f;
    } else if (mouse.leftHeld) {
        camera.pitch += dy * 0.5f;
        camera.yaw += dx * 0.5f;
    } else if (mouse.middleHeld) {
        camera.panX += dx * 0.05f;
        camera.panY -= dy * 0.05f;
    }
}
