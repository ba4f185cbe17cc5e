#include "media/video.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

namespace {

std::vector<CAvi*> videos; // in open order
bool bgrUpload = false;    // the driver takes BGR pixels ("GL_EXT_bgra")

void PrintLine(const char* text) {
    printf("%s\n", text);
    fflush(stdout);
}

uint32_t LowestFreeId() {
    uint32_t id = 1;
    while (FindVideo(id))
        ++id;
    return id;
}

uint32_t TextureSide(int requested) {
    for (int side = 2; side <= 4096; side *= 2)
        if (requested == side) return static_cast<uint32_t>(side);
    return 128;
}

const char* OpenErrorFormat(VideoOpenError error) {
    switch (error) {
    case VideoOpenError::OutOfMemory:
        return "File out of memory %s\n";
    case VideoOpenError::Unsupported:
        return "Error: Avi type unsupported %s\n";
    case VideoOpenError::Missing:
    case VideoOpenError::Corrupt:
        return "File Corrupt or Not In Existance! %s\n";
    case VideoOpenError::ReadError:
        return "Error reading avifile %s\n";
    default:
        return nullptr;
    }
}

} // namespace

bool ExtensionListHas(const char* extensions, const char* name) {
    if (!extensions) return false;
    size_t nameLength = strlen(name);
    const char* word = extensions;
    while (*word) {
        size_t length = strcspn(word, " ");
        if (length == nameLength && strncmp(word, name, length) == 0) return true;
        word += length;
        word += strspn(word, " ");
    }
    return false;
}

void DetectBgrUpload() {
    // A core-profile context has no extension string: upload RGB then.
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    SetBgrUpload(ExtensionListHas(extensions, "GL_EXT_bgra"));
}

void SetBgrUpload(bool offered) {
    bgrUpload = offered;
}

CAvi::~CAvi() {
    if (hasTexture) glDeleteTextures(1, &texture);
}

bool CAvi::Open(const char* path, uint32_t width, uint32_t height) {
    VideoOpenError error = decoder.Open(path);
    if (const char* format = OpenErrorFormat(error)) {
        printf(format, path);
        fflush(stdout);
        return false;
    }
    if (error != VideoOpenError::None) {
        // No video stream or no frames at all: nothing to show.
        PrintLine("Couldn't retrieve first AVI frame");
        return false;
    }
    videoWidth = decoder.Width();
    videoHeight = decoder.Height();
    frameCount = decoder.FrameCount();
    frameDuration = static_cast<float>(decoder.DurationMs() / frameCount) * 0.001f;

    size_t size = static_cast<size_t>(width) * height * 3;
    pixels.reset(new (std::nothrow) uint8_t[size]);
    if (!pixels) {
        printf("File out of memory %s\n", path);
        fflush(stdout);
        return false;
    }
    memset(pixels.get(), 0, size);
    textureWidth = width;
    textureHeight = height;

    glEnable(GL_TEXTURE_2D);
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.get());
    hasTexture = true;

    currentFrame = 0;
    // Frame 0 is in the texture when the open returns.
    if (!GrabFrame()) {
        PrintLine("Couldn't retrieve first AVI frame");
        return false;
    }
    return true;
}

bool CAvi::GrabFrame() {
    PixelOrder order = bgrUpload ? PixelOrder::Bgr : PixelOrder::Rgb;
    if (!decoder.DecodeFrame(currentFrame, textureWidth, textureHeight, order, RowOrder::BottomUp,
                             pixels.get()))
        return false;
    glBindTexture(GL_TEXTURE_2D, texture);
    // Rows are packed; someone may have changed the alignment since the open.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, textureWidth, textureHeight,
                    bgrUpload ? GL_BGR_EXT : GL_RGB, GL_UNSIGNED_BYTE, pixels.get());
    return true;
}

void CAvi::Advance(float frameTime) {
    accumulator += frameTime;
    if (!(accumulator > frameDuration)) return;
    GrabFrame();
    // One frame per update at most; the rest of the time is dropped. The
    // guards keep a zero duration or a huge frame time from looping forever.
    if (frameDuration <= 0.0f)
        accumulator = 0.0f;
    else if (accumulator > frameDuration * 1024.0f)
        accumulator = std::fmod(accumulator, frameDuration);
    while (accumulator > frameDuration)
        accumulator -= frameDuration;
    if (++currentFrame >= frameCount) {
        if (loop)
            currentFrame = 0;
        else
            playing = false;
    }
}

void CAvi::Stop() {
    playing = false;
    accumulator = 0.0f;
    currentFrame = 0;
}

void CAvi::Close() {
    PrintLine("CAvi::Close");
    if (!decoder.IsOpen()) return;
    PrintLine("\tCAvi::Close2");
    decoder.Close();
    pixels.reset();
    accumulator = frameDuration = 0.0f;
    textureWidth = textureHeight = 0;
    videoWidth = videoHeight = 0;
    currentFrame = 0;
    if (hasTexture) glDeleteTextures(1, &texture);
    texture = 0;
    hasTexture = false;
}

uint32_t OpenVideo(const char* path, int width, int height, bool loop) {
    CAvi* video = new (std::nothrow) CAvi;
    if (!video) return 0;
    video->id = LowestFreeId();
    video->loop = loop;
    if (!video->Open(path, TextureSide(width), TextureSide(height))) {
        PrintLine("\tCAvi::~CAvi");
        delete video;
        return 0;
    }
    try {
        videos.push_back(video);
    } catch (const std::bad_alloc&) {
        printf("File out of memory %s\n", path);
        PrintLine("\tCAvi::~CAvi");
        delete video;
        return 0;
    }
    return video->id;
}

CAvi* FindVideo(uint32_t id) {
    for (CAvi* video : videos)
        if (video->id == id) return video;
    return nullptr;
}

void AdvanceVideos(float frameTime) {
    for (CAvi* video : videos)
        if (video->playing) video->Advance(frameTime);
}

void BindVideoTexture(uint32_t id) {
    CAvi* video = FindVideo(id);
    if (video && video->hasTexture) glBindTexture(GL_TEXTURE_2D, video->texture);
}

void DrawVideo(float x, float y, float w, float h, uint32_t id) {
    glPushMatrix();
    // Texturing is switched on for the video's own quad: idle scripts run
    // with it off (the background picture leaves it so), and the video
    // would show as a plain rectangle. The caller's colour still applies.
    glPushAttrib(GL_ENABLE_BIT);
    if (const CAvi* video = FindVideo(id); video && video->hasTexture) glEnable(GL_TEXTURE_2D);
    BindVideoTexture(id);
    // t = 0 is the frame's bottom row: upright where y points down.
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(x, y);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(x, y + h);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(x + w, y + h);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(x + w, y);
    glEnd();
    glPopAttrib();
    glPopMatrix();
}

void CloseVideo(uint32_t id) {
    PrintLine("AviClose");
    auto found =
        std::find_if(videos.begin(), videos.end(), [id](CAvi* video) { return video->id == id; });
    if (found == videos.end()) {
        PrintLine("\tAviCloseEnd2");
        return;
    }
    CAvi* video = *found;
    video->Close();
    PrintLine("\tCAvi::~CAvi");
    delete video;
    videos.erase(found);
    PrintLine("\tAviCloseEnd");
}

void VideoCleanup() {
    PrintLine("Avi Cleanup");
    // Silently: the close trace is Avi.Close's, and exit prints only the line above.
    for (CAvi* video : videos)
        delete video;
    videos.clear();
}
