// OpenFileDialog and SaveFileDialog: the desktop's native file dialogs.
#pragma once

void RegisterNativeDialogFunctions();
