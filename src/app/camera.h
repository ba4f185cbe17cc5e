// The 3D view's camera and the mouse gestures that move it.
#pragma once

struct ViewCamera {
    float distance = 15.0f;
    float panX = 0.0f;
    float panY = 0.0f;
    float pitch = 0.0f;
    float yaw = 0.001f;
};

struct MouseTracking {
    int lastX = 0;
    int lastY = 0;
    bool leftHeld = false;
    bool middleHeld = false;
    bool rightHeld = false;
};

// Records the position and which of the three buttons are held.
void TrackMouseButton(MouseTracking& mouse, int button, int state, int x, int y);
// Left drags rotate, left+middle drags dolly, middle drags pan.
void ApplyMouseMotion(ViewCamera& camera, MouseTracking& mouse, int x, int y);
