// The back end's routing: what reaches the first receiver and the second, in
// which order, and with which modifier keys.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "platform/glut_backend.h"
#include "support/event_recorder.h"
#include "support/gl_window.h"
#include "ui/dispatch.h"

// The toolkit keeps its own names for GLUT's numbers.
static_assert(ui::kF12Key == GLUT_KEY_F12 && ui::kInsertKey == GLUT_KEY_INSERT);
static_assert(ui::kLeftButton == GLUT_LEFT_BUTTON && ui::kButtonDown == GLUT_DOWN &&
              ui::kButtonUp == GLUT_UP);

namespace {

using platform::InputKind;

const platform::InputEvent kOneOfEach[] = {
    {InputKind::MouseButton, 2, 1, 10, 20, platform::kShiftModifier},
    {InputKind::Motion, 0, 0, 11, 21},
    {InputKind::PassiveMotion, 0, 0, 12, 22},
    {InputKind::Key, 'q', 0, 13, 23, platform::kCtrlModifier | platform::kAltModifier},
    {InputKind::SpecialKey, 101, 0, 14, 24},
};

TEST(EventRouting, InputGoesToTheFilterFirstAndWhatItLeavesOnToTheHandlers) {
    EventRecorder::Route(false);
    for (const platform::InputEvent& event : kOneOfEach)
        platform::DeliverInput(event);
    EXPECT_EQ(EventRecorder::log,
              "filter button 2,1 @10,20 mod 1\nhandlers button 2,1 @10,20 mod 1\n"
              "filter drag 0,0 @11,21\nhandlers drag 0,0 @11,21\n"
              "filter hover 0,0 @12,22\nhandlers hover 0,0 @12,22\n"
              "filter key 113,0 @13,23 mod 6\nhandlers key 113,0 @13,23 mod 6\n"
              "filter special 101,0 @14,24\nhandlers special 101,0 @14,24\n");
    EXPECT_EQ(platform::HeldModifiers(), 0) << "no event is being delivered";

    EventRecorder::Route(true);
    for (const platform::InputEvent& event : kOneOfEach)
        platform::DeliverInput(event);
    EXPECT_EQ(EventRecorder::log, "filter button 2,1 @10,20 mod 1\nfilter drag 0,0 @11,21\n"
                                  "filter hover 0,0 @12,22\nfilter key 113,0 @13,23 mod 6\n"
                                  "filter special 101,0 @14,24\n");
}

TEST(EventRouting, ReshapeIdleAndDisplayPassesReachTheirReceiversInFrameOrder) {
    EnsureGlWindow();
    EventRecorder::Route(true); // a filter that takes input still passes these on
    platform::DeliverReshape(640, 480);
    platform::RunIdlePass();
    platform::RunDisplayPass([] { EventRecorder::log += "before the swap\n"; });
    EXPECT_EQ(EventRecorder::log, "filter reshape 640,480 @0,0\nhandlers reshape 640,480 @0,0\n"
                                  "filter idle 0,0 @0,0\nhandlers idle 0,0 @0,0\n"
                                  "handlers display 0,0 @0,0\nbefore the swap\n");
}

// An event delivered while another is (a control running a script that
// sends one, say) leaves the outer event its own modifiers.
TEST(EventRouting, AnEventDeliveredInsideAnotherLeavesItsModifiersAlone) {
    static std::string seen;
    seen.clear();
    platform::RouteEvents({.keyboard =
                               [](unsigned char, int, int) {
                                   platform::DeliverInput({InputKind::SpecialKey, 12, 0, 0, 0,
                                                           platform::kAltModifier});
                                   seen += "outer " + std::to_string(platform::HeldModifiers());
                                   return true;
                               },
                           .special =
                               [](int, int, int) {
                                   seen +=
                                       "inner " + std::to_string(platform::HeldModifiers()) + ", ";
                                   return true;
                               }},
                          {});
    platform::DeliverInput({InputKind::Key, 'a', 0, 0, 0, platform::kCtrlModifier});
    EXPECT_EQ(seen, "inner 4, outer 2");
}

} // namespace
