// The message box: a title, a line of text beside an icon, and up to three
// buttons, chosen by its type, that answer it. Pressing one runs the answer's
// call-back with the box's name and closes the box.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/callback.h"
#include "ui/control.h"

namespace ui {

// The answers a box's buttons give, each with its call-back.
enum class MessageBoxAnswer { Ok, Cancel, Abort, Retry, Yes, No, Continue };
constexpr int kAnswerCount = 7;
constexpr int kMessageBoxButtonCount = 3;

struct MessageBoxData {
    std::string text;               // the title is the control's label
    int icon = 0;                   // an ICON_* id
    int type = 0;                   // the button set
    Callback answers[kAnswerCount]; // by MessageBoxAnswer
};

// The record of a message box; null for other controls.
MessageBoxData* messageBoxData(const Control* control);

// The labels of the buttons a type shows, left to right: types 1 to 7 each
// have their row; other types show none.
std::span<const char* const> messageBoxLabels(int type);
// The answer a button gives by its label; none for "Ignore" and "Try".
std::optional<MessageBoxAnswer> answerForLabel(std::string_view label);

// The call-back run for an answer; null for other controls.
Callback* messageBoxAnswer(Control* control, MessageBoxAnswer answer);
// The title (the label), the text, the icon and the button set (by type);
// other controls ignore them. Each grows the box to what it needs.
void setMessageBoxTitle(Control* control, const char* title);
void setMessageBoxText(Control* control, const char* text);
void setMessageBoxIcon(Control* control, int icon);
void setMessageBoxType(Control* control, int type);

extern const ControlClass messageBoxClass;

} // namespace ui
