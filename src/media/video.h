// AVI videos played as OpenGL textures.
#pragma once

#include <cstdint>
#include <memory>

#include "media/video_decoder.h"

// One open video: its decoder, playback state and texture.
struct CAvi {
    uint32_t id = 0;            // script-visible: the lowest id no other open video holds
    float accumulator = 0.0f;   // seconds gathered towards the next frame
    float frameDuration = 0.0f; // seconds per frame: whole milliseconds of the stream over frames
    unsigned texture = 0;       // the GL texture name, created once at open
    uint32_t textureWidth = 0;  // powers of two
    uint32_t textureHeight = 0;
    int32_t videoWidth = 0; // the stream's frame size
    int32_t videoHeight = 0;
    bool playing = true; // advanced by the per-frame update
    bool hasTexture = false;
    bool loop = false; // restart at frame 0 after the last frame
    // The texture's pixels in upload order: three bytes per pixel, bottom row
    // of the frame first (texture t = 0).
    std::unique_ptr<uint8_t[]> pixels;
    uint32_t currentFrame = 0; // the frame decoded next
    uint32_t frameCount = 0;
    VideoDecoder decoder; // the open file and its video stream

    CAvi() = default;
    CAvi(const CAvi&) = delete;
    CAvi& operator=(const CAvi&) = delete;
    ~CAvi();

    // Opens the file and shows frame 0 in a width × height texture; prints
    // the reason on failure.
    bool Open(const char* path, uint32_t width, uint32_t height);
    // Releases the decoder, the pixels and the texture (prints the close trace).
    void Close();
    // Decodes frame currentFrame into the texture; a frame that cannot be
    // decoded leaves the texture as it was.
    bool GrabFrame();
    void Advance(float frameTime);
    void Play() { playing = true; }
    void Pause() { playing = false; }
    // Rewinds without touching the texture.
    void Stop();
};

// Opens a video playing at once; a texture size that is not a power of two
// from 2 to 4096 becomes 128. Returns its id, or 0 when the file cannot be
// played.
uint32_t OpenVideo(const char* path, int width, int height, bool loop);
// The open video with this id, or null.
CAvi* FindVideo(uint32_t id);
// Whether a space-separated extension list holds this exact name.
bool ExtensionListHas(const char* extensions, const char* name);
// Uploads BGR pixels when the current context offers "GL_EXT_bgra", else RGB.
void DetectBgrUpload();
void SetBgrUpload(bool offered);
// Per frame: advance every playing video by the frame time in seconds.
void AdvanceVideos(float frameTime);
// Binds the texture of the video with this id; an unknown id or a video
// without a texture leaves the binding unchanged.
void BindVideoTexture(uint32_t id);
// One quad from (x, y) to (x + w, y + h) with the video's texture, upright
// where y points down; the caller's colour applies.
void DrawVideo(float x, float y, float w, float h, uint32_t id);
// Closes the video with this id (prints the close trace); unknown ids only print.
void CloseVideo(uint32_t id);
// At exit: prints "Avi Cleanup" and releases the videos still open.
void VideoCleanup();
