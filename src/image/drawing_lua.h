// The 2D drawing functions and idle-script functions as script globals.
#pragma once

void RegisterDrawingLibrary();
