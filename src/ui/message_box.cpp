#include "ui/message_box.h"

#include <algorithm>
#include <cstring>

#include "ui/button.h"
#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/icons.h"

namespace ui {

namespace {

struct LabelRow {
    int count;
    const char* labels[kMessageBoxButtonCount];
};

// Indexed by type; row 0 stands for every type without buttons.
constexpr LabelRow kLabelRows[] = {
    {0, {}},
    {1, {"Ok"}},
    {2, {"Ok", "Cancel"}},
    {3, {"Abort", "Retry", "Ignore"}},
    {3, {"Yes", "No", "Cancel"}},
    {2, {"Yes", "No"}},
    {2, {"Retry", "Cancel"}},
    {3, {"Cancel", "Try", "Continue"}},
};
constexpr int kLabelRowCount = sizeof kLabelRows / sizeof kLabelRows[0];

struct LabelAnswer {
    std::string_view label;
    MessageBoxAnswer answer;
};
constexpr LabelAnswer kLabelAnswers[] = {
    {"Ok", MessageBoxAnswer::Ok},
    {"Cancel", MessageBoxAnswer::Cancel},
    {"Abort", MessageBoxAnswer::Abort},
    {"Retry", MessageBoxAnswer::Retry},
    {"Yes", MessageBoxAnswer::Yes},
    {"No", MessageBoxAnswer::No},
    {"Continue", MessageBoxAnswer::Continue},
};

// The widest label; every button is made this wide.
constexpr const char* kWidestLabel = "Continue";
constexpr int kButtonGap = 8;
constexpr int kButtonMargin = 8;
constexpr int kIconTop = 32;
// One line of text: longer messages are cut here.
constexpr size_t kLongestMessage = 65536;

// The box whose answer is running, until its call-back returns or destroys it.
Control* answeringBox = nullptr;

int titleFont() {
    return fontForRole(4);
}
int textFont() {
    return fontForRole(1);
}

int answerPressed(Control* button) {
    Control* box = button->parent;
    MessageBoxData* data = messageBoxData(box);
    // Buttons the type does not show answer nothing.
    if (!data || !(button->style & kStyleShown)) return 0;
    const std::optional<MessageBoxAnswer> answer = answerForLabel(button->label);
    answeringBox = box;
    if (answer) data->answers[static_cast<int>(*answer)].invoke(box);
    // The call-back may have closed the box already.
    if (answeringBox == box) destroyControl(box);
    answeringBox = nullptr;
    return 1;
}

// Grows the box to what its title, text and icon need and lays out its
// buttons again.
void fitMessageBox(Control* box) {
    setSize(box, box->width, box->height);
}

void layOutButtons(Control* box, int width, int height) {
    const std::span<const char* const> labels = messageBoxLabels(messageBoxData(box)->type);
    const int count = static_cast<int>(labels.size());
    const int font = textFont();
    const int buttonWidth = textWidth(font, kWidestLabel) + 4;
    const int buttonHeight = fontHeight(font) + 4;
    int left = (width - count * buttonWidth - (count - 1) * kButtonGap) / 2;
    const int top = height - buttonHeight - kButtonMargin;
    int index = 0;
    for (Control* button : box->children) {
        if (controlType(button) != LUI_BUTTON) continue;
        if (index < count) {
            setLabel(button, labels[index]);
            setStyle(button, kStyleShown);
            setPosition(button, left, top);
            setSize(button, buttonWidth, buttonHeight);
            left += buttonWidth + kButtonGap;
        } else {
            setLabel(button, "");
            setStyle(button, 0);
        }
        ++index;
    }
}

int messageBoxMinWidth(Control* box) {
    const MessageBoxData* data = messageBoxData(box);
    const int title = textWidth(titleFont(), box->label) + 8;
    const int text = textWidth(textFont(), data->text.c_str()) + iconSize(data->icon) + 32;
    const int buttons = 3 * textWidth(textFont(), kWidestLabel) + 28;
    return std::max({title, text, buttons});
}

int messageBoxMinHeight(Control* box) {
    return fontHeight(titleFont()) + iconSize(messageBoxData(box)->icon) + fontHeight(textFont()) +
           64;
}

void createMessageBox(Control* box) {
    box->data = new MessageBoxData{};
    for (int i = 0; i < kMessageBoxButtonCount; ++i) {
        Control* button = createChild(box, LUI_BUTTON, "");
        buttonData(button)->command.setNative(answerPressed);
    }
    setPosition(box, 200, 200);
    setSize(box, 400, 300);
}

void destroyMessageBox(Control* box) {
    if (answeringBox == box) answeringBox = nullptr;
    delete messageBoxData(box);
    box->data = nullptr;
}

// Presses on the box itself end there.
int messageBoxMouseButton(Control* box, int button, int state, int x, int y) {
    forwardMouseButton(box, button, state, x, y);
    return 1;
}

void drawMessageBox(Control* box) {
    const MessageBoxData* data = messageBoxData(box);
    if (!data) return;
    panel(0, 0, box->width, box->height, false, 1);
    const int titleHeight = fontHeight(titleFont()) + 4;
    panel(2, 2, box->width - 4, titleHeight, true, 0);
    setColour(LUI_COLOR_TITLE_TEXT);
    drawText(titleFont(), box->label, 8, 4);
    // The icon's top-left corner is at (5, 32), the text beside it.
    const int size = iconSize(data->icon);
    drawIcon(data->icon, 5, kIconTop + size);
    setColour(LUI_COLOR_BLACK);
    const int font = textFont();
    drawText(font, data->text.c_str(), size + 16,
             kIconTop + std::max(0, (size - fontHeight(font)) / 2));
    drawChildren(box);
}

} // namespace

const ControlClass messageBoxClass{
    .typeId = LUI_MESSAGEBOX,
    .isContainer = 1,
    .create = createMessageBox,
    .destroy = destroyMessageBox,
    .onKey = forwardKey,
    .onSpecialKey = forwardSpecialKey,
    .onDrag = forwardDrag,
    .onHover = containerHover,
    .onMouseButton = messageBoxMouseButton,
    .draw = drawMessageBox,
    .minWidth = messageBoxMinWidth,
    .minHeight = messageBoxMinHeight,
    .resize = layOutButtons,
};

MessageBoxData* messageBoxData(const Control* control) {
    if (!control || !control->data || controlType(control) != LUI_MESSAGEBOX) return nullptr;
    return static_cast<MessageBoxData*>(control->data);
}

std::span<const char* const> messageBoxLabels(int type) {
    const LabelRow& row = kLabelRows[type > 0 && type < kLabelRowCount ? type : 0];
    return {row.labels, static_cast<size_t>(row.count)};
}

std::optional<MessageBoxAnswer> answerForLabel(std::string_view label) {
    for (const LabelAnswer& entry : kLabelAnswers)
        if (entry.label == label) return entry.answer;
    return std::nullopt;
}

Callback* messageBoxAnswer(Control* control, MessageBoxAnswer answer) {
    MessageBoxData* data = messageBoxData(control);
    return data ? &data->answers[static_cast<int>(answer)] : nullptr;
}

void setMessageBoxTitle(Control* control, const char* title) {
    if (!messageBoxData(control)) return;
    setLabel(control, title);
    fitMessageBox(control);
}

void setMessageBoxText(Control* control, const char* text) {
    if (MessageBoxData* data = messageBoxData(control)) {
        data->text.assign(text, strnlen(text, kLongestMessage));
        fitMessageBox(control);
    }
}

void setMessageBoxIcon(Control* control, int icon) {
    if (MessageBoxData* data = messageBoxData(control)) {
        data->icon = icon;
        fitMessageBox(control);
    }
}

void setMessageBoxType(Control* control, int type) {
    if (MessageBoxData* data = messageBoxData(control)) {
        data->type = type;
        fitMessageBox(control);
    }
}

} // namespace ui
