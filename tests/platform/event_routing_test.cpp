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

// Input the filter leaves goes on to the handlers, what it takes does not;
// reshape and idle reach both, the filter first, and the display pass draws
// before the swap.
TEST(EventRouting, TheFilterSeesEverythingFirstAndTheHandlersWhatItLeaves) {
    EnsureGlWindow();
    EventRecorder::Route(false);
    platform::DeliverInput({InputKind::Key, 'q', 0, 13, 23, platform::kCtrlModifier});
    EventRecorder::filterTakes = true;
    platform::DeliverInput({InputKind::MouseButton, 2, 1, 10, 20, platform::kShiftModifier});
    EXPECT_EQ(platform::HeldModifiers(), 0) << "no event is being delivered";
    platform::DeliverReshape(640, 480);
    platform::RunIdlePass();
    platform::RunDisplayPass([] { EventRecorder::log += "before the swap\n"; });
    EXPECT_EQ(EventRecorder::log, "filter key 113,0 @13,23 mod 2\nhandlers key 113,0 @13,23 mod 2\n"
                                  "filter button 2,1 @10,20 mod 1\n"
                                  "filter reshape 640,480 @0,0\nhandlers reshape 640,480 @0,0\n"
                                  "filter idle 0,0 @0,0\nhandlers idle 0,0 @0,0\n"
                                  "handlers display 0,0 @0,0\nbefore the swap\n");
}

} // namespace
