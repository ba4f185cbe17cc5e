// The lui script library: the LUI_* and ICON_* constants, the control
// creators, the tree and value functions, the colour scheme and the native
// file dialogs.
#pragma once

// Runs the constant scripts (colours, then types, directions and icons), then
// registers every function as a global.
void RegisterLuiLibrary();
