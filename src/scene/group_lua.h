// The IGroup script library.
#pragma once

// Registers the library "IGroup" into the registration state.
void RegisterGroupLibrary();
