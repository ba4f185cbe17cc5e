#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "toolkit_fixture.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/float_shake.h"

using namespace ui;

namespace {

constexpr int kMiddle = 1;
int commands = 0;

class FloatShake : public ToolkitTest {
  protected:
    Control* shake = nullptr;
    void SetUp() override {
        ToolkitTest::SetUp();
        commands = 0;
        shake = createControl(LUI_FLOAT_SHAKE, nullptr);
        setPosition(shake, 100, 100);
        floatShakeData(shake)->field.command.setNative([](Control*) { return ++commands; });
    }
};

TEST_F(FloatShake, StartsAtAHalfInARangeFromZeroToOneWithAStepOfAHundredth) {
    EXPECT_STREQ(shake->name, "luiFloatShake1");
    EXPECT_STREQ(getString(shake), "0.500000");
    auto range = [](Control* c) {
        return std::make_tuple(shakeBound(c, ShakeBound::Minimum),
                               shakeBound(c, ShakeBound::Maximum), shakeBound(c, ShakeBound::Step));
    };
    EXPECT_EQ(range(shake), std::make_tuple(0.0, 1.0, 0.01));
    setShakeBound(shake, ShakeBound::Minimum, -2);
    setShakeBound(shake, ShakeBound::Maximum, 8);
    setShakeBound(shake, ShakeBound::Step, std::nan(""));
    EXPECT_EQ(range(shake), std::make_tuple(-2.0, 8.0, 0.01));
    Control* field = createControl(LUI_FLOATFIELD, nullptr);
    setShakeBound(field, ShakeBound::Maximum, 8);
    EXPECT_EQ(range(field), std::make_tuple(0.0, 0.0, 0.0));
    EXPECT_EQ(floatShakeData(field), nullptr);
}

TEST_F(FloatShake, MiddleDragsShakeTheNumberByTheDistanceFromThePress) {
    sendButton(kMiddle, kButtonDown, 120, 110);
    EXPECT_EQ(capturedControl(), shake);
    // Half a step per pixel from the press, every drag event.
    for (auto [x, value] : {std::tuple{130, 0.55}, {130, 0.6}, {110, 0.55}, {1000, 0.55 + 4.4}}) {
        sendDrag(x, 300);
        EXPECT_NEAR(getFloat(shake), value, 1e-6) << "at " << x;
    }
    EXPECT_EQ(commands, 4);
    sendButton(kMiddle, kButtonUp, 500, 300);
    EXPECT_EQ(capturedControl(), nullptr);
    EXPECT_EQ(eventLog, "") << "the shake took the whole gesture";

    // Without the middle button it is a float field.
    press(110, 110);
    EXPECT_TRUE(hasSelection(floatShakeData(shake)->field));
    sendDrag(300, 110);
    EXPECT_NEAR(getFloat(shake), 4.95, 1e-6);
    EXPECT_EQ(commands, 4);
}

} // namespace
