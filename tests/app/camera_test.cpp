#include <gtest/gtest.h>

#include "app/camera.h"

namespace {

TEST(Camera, StartsBackFromTheOriginWithATinyYaw) {
    ViewCamera camera;
    EXPECT_FLOAT_EQ(camera.distance, 15.0f);
    EXPECT_FLOAT_EQ(camera.yaw, 0.001f);
    EXPECT_FLOAT_EQ(camera.pitch, 0.0f);
}

TEST(Camera, LeftDragRotatesHalfADegreePerPixel) {
    ViewCamera camera;
    MouseTracking mouse;
    TrackMouseButton(mouse, 0, 0, 100, 100);
    ApplyMouseMotion(camera, mouse, 110, 96);
    EXPECT_FLOAT_EQ(camera.yaw, 5.001f);
    EXPECT_FLOAT_EQ(camera.pitch, -2.0f);
    EXPECT_FLOAT_EQ(camera.distance, 15.0f);
}

TEST(Camera, LeftAndMiddleDragDollies) {
    ViewCamera camera;
    MouseTracking mouse;
    TrackMouseButton(mouse, 0, 0, 0, 0);
    TrackMouseButton(mouse, 1, 0, 0, 0);
    ApplyMouseMotion(camera, mouse, 20, 50);
    EXPECT_FLOAT_EQ(camera.distance, 14.0f);
    EXPECT_FLOAT_EQ(camera.yaw, 0.001f);
}

TEST(Camera, MiddleDragPansAndTheRightButtonMovesNothing) {
    ViewCamera camera;
    MouseTracking mouse;
    TrackMouseButton(mouse, 1, 0, 0, 0);
    ApplyMouseMotion(camera, mouse, 20, 40);
    EXPECT_FLOAT_EQ(camera.panX, 1.0f);
    EXPECT_FLOAT_EQ(camera.panY, -2.0f);

    TrackMouseButton(mouse, 1, 1, 20, 40);
    TrackMouseButton(mouse, 2, 0, 20, 40);
    EXPECT_TRUE(mouse.rightHeld);
    ViewCamera before = camera;
    ApplyMouseMotion(camera, mouse, 100, 100);
    EXPECT_EQ(camera.panX, before.panX);
    EXPECT_EQ(camera.yaw, before.yaw);
    EXPECT_EQ(mouse.lastX, 100);
}

TEST(Camera, ReleasingAButtonAndOtherButtonsOnlyMoveThePosition) {
    MouseTracking mouse;
    TrackMouseButton(mouse, 0, 0, 1, 2);
    TrackMouseButton(mouse, 0, 1, 3, 4);
    TrackMouseButton(mouse, 3, 0, 5, 6);
    EXPECT_FALSE(mouse.leftHeld);
    EXPECT_FALSE(mouse.middleHeld);
    EXPECT_EQ(mouse.lastX, 5);
    EXPECT_EQ(mouse.lastY, 6);
}

} // namespace
