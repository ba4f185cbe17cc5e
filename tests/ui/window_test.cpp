#include <GL/glut.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "frame_fixture.h"
#include "toolkit_fixture.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/toolkit.h"
#include "ui/window.h"

using namespace ui;

namespace {

// Windows at (10, 10), 400x300: the title buttons end 2 pixels before the
// right edge, close first, then maximise, then minimise.
constexpr int kTitleY = 18;
constexpr int kCloseX = 402, kMaximiseX = 390, kMinimiseX = 378;

int sizeCalls = 0, moveCalls = 0;

class WindowGestures : public ToolkitTest {
  protected:
    Control* window = nullptr;
    WindowData* data = nullptr;

    void SetUp() override {
        ToolkitTest::SetUp();
        sizeCalls = moveCalls = 0;
        window = createControl(LUI_WINDOW, "w");
        data = windowData(window);
        data->onSize.setNative([](Control*) { return ++sizeCalls; });
        data->onMove.setNative([](Control*) { return ++moveCalls; });
    }
};

TEST_F(WindowGestures, TheTitleBarMovesTheWindowAndBringsItToTheFront) {
    Control* other = createControl(LUI_WINDOW, "other");
    setPosition(other, 300, 5);
    // Past the screen's edge the window does not follow sideways.
    dragAlong({{110, 15}, {140, 35}, {2000, 45}});
    EXPECT_EQ(rootControl()->children.front(), window);
    EXPECT_EQ(window->x, 40);
    EXPECT_EQ(window->y, 40);
    EXPECT_EQ(moveCalls, 2);
    EXPECT_EQ(capturedControl(), nullptr);
}

TEST_F(WindowGestures, EdgesStopAtTheScreenAndAtTheSmallestSizeKeepingTheOppositeEdge) {
    makeProbe(window, "content", 0, 0, 400, 300);
    const int narrowX = 410 - kMinimumWindowWidth, lowY = 310 - kMinimumWindowHeight;
    // Each drag's path, then the window's x, y, width and height after it.
    const std::pair<std::vector<std::pair<int, int>>, std::vector<int>> drags[] = {
        {{{11, 150}, {5, 150}, {0, 150}, {-30, 150}}, {0, 10, 410, 300}}, // left edge
        {{{11, 150}, {-30, 150}, {600, 150}}, {narrowX, 10, kMinimumWindowWidth, 300}},
        {{{200, 11}, {200, 0}, {200, 500}}, {10, lowY, 400, kMinimumWindowHeight}},     // top edge
        {{{409, 309}, {100, 50}}, {10, 10, kMinimumWindowWidth, kMinimumWindowHeight}}, // corner
    };
    for (const auto& [path, placed] : drags) {
        setPosition(window, 10, 10);
        setSize(window, 400, 300);
        dragAlong(path);
        EXPECT_EQ((std::vector<int>{window->x, window->y, window->width, window->height}), placed)
            << "from " << path[0].first << "," << path[0].second;
    }
    EXPECT_EQ(sizeCalls, 8); // one onSize a motion
    EXPECT_EQ(eventLog, "") << "the release that ends a resize is no click for the content";
}

TEST_F(WindowGestures, AMinimisedWindowKeepsOnlyItsTitleStrip) {
    Control* behind = createControl(LUI_WINDOW, "behind");
    setPosition(behind, 10, 100);
    makeProbe(behind, "behindProbe", 0, 0, 400, 300);
    bringToFront(window);
    click(kMinimiseX, kTitleY);
    EXPECT_EQ(data->minimised, 1);
    EXPECT_EQ(sizeCalls, 1);

    // Where the whole window used to be, the window behind it takes the press.
    click(300, 200);
    EXPECT_EQ(rootControl()->children.front(), behind);
    EXPECT_EQ(eventLog, "behindProbe button 0,0 @290,84\nbehindProbe button 0,1 @290,84\n");
}

TEST_F(WindowGestures, OnlyThePressedTitleButtonActsAndMaySafelyDestroyTheWindow) {
    press(kMaximiseX, kTitleY);
    sendDrag(kCloseX, kTitleY);
    EXPECT_EQ(windowGesture().titleButtonDown, 0);
    sendDrag(kMaximiseX, kTitleY + 1);
    EXPECT_EQ(windowGesture().titleButtonDown, 1);
    sendDrag(kCloseX, kTitleY);
    release(kCloseX, kTitleY);
    EXPECT_TRUE(isLiveControl(window));
    EXPECT_EQ(sizeCalls, 0);
    EXPECT_EQ(capturedControl(), nullptr);

    // An onSize that destroys the window ends the press cleanly.
    data->onSize.setNative([](Control* control) {
        destroyControl(control);
        return 0;
    });
    click(kMaximiseX, kTitleY);
    EXPECT_EQ(findControl("w"), nullptr);
    EXPECT_EQ(maximisedControl(), nullptr);
    press(100, 100);
    EXPECT_EQ(eventLog, "hook button 0,0 @100,100\n");
}

// ---- Drawing ---------------------------------------------------------------

class WindowDrawing : public ToolkitTest, protected FramePixels {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        loadDrawingResources();
        platform::DeliverReshape(kSize, kSize);
    }
    void render() {
        glClearColor(0.25f, 0.25f, 0.25f, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        drawToolkit();
        grab();
    }
};

TEST_F(WindowDrawing, FrontLastMaximisedAloneMinimisedAsAStripHiddenNotAtAll) {
    Control* back = createControl(LUI_WINDOW, "back");
    setSize(back, 200, 150);
    Control* front = createControl(LUI_WINDOW, "front");
    setPosition(front, 100, 100);
    setSize(front, 150, 120);
    render();
    EXPECT_LT(pixel(120, 105).r, 120); // the front window's title bar over the back one
    bringToFront(back);
    render();
    EXPECT_GT(pixel(120, 105).r, 200);

    maximiseWindow(front);
    render();
    EXPECT_GT(pixel(250, 250).r, 200);
    restoreWindow(front);
    windowData(back)->minimised = 1;
    render();
    EXPECT_EQ(pixel(60, 100).r, 64);
    EXPECT_LT(pixel(15, 15).r, 60); // the title strip
    EXPECT_GT(pixel(15, 15).b, 100);

    sendSpecialKey(GLUT_KEY_F12, 0, 0, GLUT_ACTIVE_ALT);
    render();
    EXPECT_EQ(pixel(15, 15).r, 64);
}

} // namespace
