#include "media/video.h"

#include <cstdio>

// Placeholders until the decoder and texture upload land.
void RegisterVideoLibrary() {}
void AdvanceVideos(float) {}
void BindVideoTexture(uint32_t) {}
void CloseVideo(uint32_t) {}
void VideoCleanup() { printf("Avi Cleanup\n"); fflush(stdout); }
