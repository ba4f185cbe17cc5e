// The Runner library of scriptdesk-run: scripts queue pointer and key events
// for the next frame, to drive the desktop without a user.
#pragma once

void RegisterRunnerLibrary();
