// AVI videos played as OpenGL textures, and the Avi script library.
#pragma once

#include <cstdint>

// Registers the Avi library into the script state; on the first call also
// checks once whether the driver takes BGR pixels directly.
void RegisterVideoLibrary();
// Per frame: advance every playing video by the frame time in seconds.
void AdvanceVideos(float frameTime);
// Binds the texture of the video with this id; an unknown id or a video
// without a texture leaves the binding unchanged.
void BindVideoTexture(uint32_t id);
// Closes the video with this id (prints the close trace); unknown ids only print.
void CloseVideo(uint32_t id);
// At exit: prints "Avi Cleanup". Open videos are left as they are.
void VideoCleanup();
