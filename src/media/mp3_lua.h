// The "Mp3" script library: one piece of music at a time and its spectrum.
#pragma once

void RegisterMp3Library();
