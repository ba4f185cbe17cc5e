#include "ui/slider_group.h"

#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/slider.h"
#include "ui/text_field.h"

namespace ui {

namespace {

SliderGroupData* groupData(const Control* control) {
    if (!control || !control->data) return nullptr;
    int type = controlType(control);
    if (type != LUI_FLOAT_SLIDER_GRP && type != LUI_INT_SLIDER_GRP) return nullptr;
    return static_cast<SliderGroupData*>(control->data);
}

struct GroupParts {
    Control* label;
    Control* field;
    Control* slider;
};

// Found by type, so that children a script has destroyed or moved away are
// never reached.
GroupParts partsOf(const Control* group) {
    const bool floats = controlType(group) == LUI_FLOAT_SLIDER_GRP;
    return {childOfType(group, LUI_TEXT),
            childOfType(group, floats ? LUI_FLOATFIELD : LUI_INTFIELD),
            childOfType(group, floats ? LUI_FLOAT_SLIDER : LUI_INT_SLIDER)};
}

// The field's or the slider's command: the other one takes the new value,
// the slider's range widening to hold it; the float group then runs its own
// command with the child that changed.
int keepInStep(Control* changed) {
    Control* group = changed->parent;
    SliderGroupData* data = groupData(group);
    if (!data) return 0;
    const bool floats = controlType(group) == LUI_FLOAT_SLIDER_GRP;
    GroupParts parts = partsOf(group);
    if (!parts.field || !parts.slider) return 0;
    const double value = floats ? getFloat(changed) : getInt(changed);
    if (value < sliderMinimum(parts.slider)) setSliderMinimum(parts.slider, value);
    if (value > sliderMaximum(parts.slider)) setSliderMaximum(parts.slider, value);
    if (changed == parts.slider) {
        if (floats)
            setFloat(parts.field, static_cast<float>(value));
        else
            setInt(parts.field, static_cast<int>(value));
    } else {
        setSliderValue(parts.slider, value);
    }
    return floats ? data->command.invoke(changed) : 0;
}

template <bool Floats> void createGroup(Control* control) {
    control->data = new SliderGroupData{};
    Control* label = createChild(control, LUI_TEXT, "");
    setStyle(label, kColumnLabelStyle);
    Control* field = createChild(control, Floats ? LUI_FLOATFIELD : LUI_INTFIELD, "");
    Control* slider = createChild(control, Floats ? LUI_FLOAT_SLIDER : LUI_INT_SLIDER, "");
    fieldData(field)->command.setNative(keepInStep);
    sliderCommand(slider)->setNative(keepInStep);
    setSliderMinimum(slider, 0);
    setSliderMaximum(slider, Floats ? 1 : 100);
    setSliderValue(slider, 0);
    if (Floats)
        setFloat(field, 0);
    else
        setInt(field, 0);
    placeColumns(control);
}

void resizeGroup(Control* control, int width, int height) {
    if (!groupData(control)) return;
    GroupParts parts = partsOf(control);
    layOutColumns({parts.label, parts.slider, parts.field}, width, height);
}

template <bool Floats> constexpr ControlClass sliderGroupClass() {
    return {
        .typeId = Floats ? LUI_FLOAT_SLIDER_GRP : LUI_INT_SLIDER_GRP,
        .isContainer = 1,
        .create = createGroup<Floats>,
        .destroy = destroyRecord<SliderGroupData>,
        .onKey = forwardKey,
        .onSpecialKey = forwardSpecialKey,
        .onDrag = forwardDrag,
        .onHover = containerHover,
        .onMouseButton = forwardMouseButton,
        .draw = drawChildren,
        .resize = resizeGroup,
    };
}

} // namespace

const ControlClass floatSliderGroupClass = sliderGroupClass<true>();
const ControlClass intSliderGroupClass = sliderGroupClass<false>();

void layOutColumns(Control* const (&columns)[kColumnCount], int width, int height) {
    const float usable = static_cast<float>(width - 20);
    float left = 5;
    for (int column = 0; column < kColumnCount; ++column) {
        if (Control* control = columns[column]) {
            setPosition(control, static_cast<int>(left), 2);
            setSize(control, static_cast<int>(kColumnShares[column] * usable), height - 4);
        }
        left += kColumnShares[column] * usable + 5;
    }
}

Callback* sliderGroupCommand(Control* control) {
    SliderGroupData* data = groupData(control);
    return data ? &data->command : nullptr;
}

void placeColumns(Control* control) {
    setPosition(control, 10, 10);
    control->shown = 1;
    setStyle(control, 0x3000);
    setSize(control, 250, 25);
}

} // namespace ui
