// The toolkit's own clipboard, shared by every control that edits text.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// Empty until something is copied.
const std::string& clipboardText();
void setClipboardText(std::string_view text);
bool clipboardEmpty();

} // namespace ui
