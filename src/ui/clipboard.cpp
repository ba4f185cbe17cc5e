#include "ui/clipboard.h"

namespace ui {

namespace {

std::string clipboard;

} // namespace

const std::string& clipboardText() {
    return clipboard;
}

void setClipboardText(std::string_view text) {
    clipboard = text;
}

bool clipboardEmpty() {
    return clipboard.empty();
}

} // namespace ui
