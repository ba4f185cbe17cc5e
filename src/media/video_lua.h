// The "Avi" script library.
#pragma once

void RegisterVideoLibrary();
