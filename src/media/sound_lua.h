// The "Sound" script library.
#pragma once

void RegisterSoundLibrary();
