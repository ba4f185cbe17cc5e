// The float shake's range as scripts reach it; shaking runs in
// controls/pointer.lua.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "toolkit_fixture.h"
#include "ui/control_types.h"
#include "ui/float_shake.h"

using namespace ui;

namespace {

using FloatShake = ToolkitTest;

auto range(const Control* control) {
    return std::make_tuple(shakeMinimum(control), shakeMaximum(control), shakeStep(control));
}

TEST_F(FloatShake, ItsRangeStartsFromZeroToOneByAHundredthAndTakesAnyNumberButNaN) {
    Control* shake = createControl(LUI_FLOAT_SHAKE, nullptr);
    EXPECT_EQ(range(shake), std::make_tuple(0.0, 1.0, 0.01));
    setShakeMinimum(shake, -2);
    setShakeMaximum(shake, 8);
    setShakeStep(shake, std::nan(""));
    EXPECT_EQ(range(shake), std::make_tuple(-2.0, 8.0, 0.01));

    Control* field = createControl(LUI_FLOATFIELD, nullptr);
    setShakeMaximum(field, 8);
    EXPECT_EQ(range(field), std::make_tuple(0.0, 0.0, 0.0));
}

} // namespace
