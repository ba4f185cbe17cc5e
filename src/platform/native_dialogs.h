// The desktop's own open and save dialogs, run as a separate program
// (zenity) outside the full-screen surface.
#pragma once

#include <optional>
#include <string>

namespace platform {

enum class FileDialogKind { Open, Save };

// Shows the dialog ("Open File", or "Save File" asking before it overwrites)
// and waits for it. Gives the chosen path, or nothing when the user cancels
// or no dialog program is on PATH (said on standard output). The working
// directory is the same afterwards, whatever happened.
std::optional<std::string> RunFileDialog(FileDialogKind kind);

} // namespace platform
