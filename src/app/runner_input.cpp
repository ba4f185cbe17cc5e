#include "app/runner_input.h"

#include <cctype>

namespace {

using platform::InputKind;

unsigned char KeyCharacter(unsigned char c, int modifiers) {
    if (!(modifiers & platform::kCtrlModifier)) return c;
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool controlPunctuation = c >= '@' && c <= '_';
    return letter || controlPunctuation ? c & 0x1F : c;
}

} // namespace

bool InputQueue::Move(int x, int y) {
    if (!Fits(1)) return false;
    x_ = x;
    y_ = y;
    pending_.push_back({heldButtons_ ? InputKind::Motion : InputKind::PassiveMotion, 0, 0, x, y});
    return true;
}

bool InputQueue::Button(int button, bool down, int x, int y, int modifiers) {
    if (!Fits(1)) return false;
    x_ = x;
    y_ = y;
    const int bit = button >= 0 && button <= 2 ? 1 << button : 0;
    heldButtons_ = down ? heldButtons_ | bit : heldButtons_ & ~bit;
    pending_.push_back({InputKind::MouseButton, button, down ? 0 : 1, x, y, modifiers});
    return true;
}

bool InputQueue::Keys(std::string_view text, int modifiers) {
    if (!Fits(text.size())) return false;
    for (char c : text)
        pending_.push_back({InputKind::Key, KeyCharacter(static_cast<unsigned char>(c), modifiers),
                            0, x_, y_, modifiers});
    return true;
}

bool InputQueue::SpecialKey(int code, int modifiers) {
    if (!Fits(1)) return false;
    pending_.push_back({InputKind::SpecialKey, code, 0, x_, y_, modifiers});
    return true;
}

void InputQueue::Deliver() {
    std::vector<platform::InputEvent> events;
    events.swap(pending_);
    for (const platform::InputEvent& event : events)
        platform::DeliverInput(event);
}

bool ParseModifierNames(std::string_view text, int* modifiers, std::string_view* unknown) {
    auto isLetter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
    *modifiers = 0;
    size_t at = 0;
    while (at < text.size()) {
        if (!isLetter(text[at])) {
            ++at;
            continue;
        }
        const size_t start = at;
        while (at < text.size() && isLetter(text[at]))
            ++at;
        const std::string_view word = text.substr(start, at - start);
        if (word == "shift")
            *modifiers |= platform::kShiftModifier;
        else if (word == "ctrl")
            *modifiers |= platform::kCtrlModifier;
        else if (word == "alt")
            *modifiers |= platform::kAltModifier;
        else {
            *unknown = word;
            return false;
        }
    }
    return true;
}

InputQueue& RunnerInput() {
    static InputQueue queue;
    return queue;
}
