// Decoding of AVI video frames through FFmpeg into packed 24-bit pixels of any
// size. Knows nothing of OpenGL or scripts.
#pragma once

#include <cstdint>
#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

enum class VideoOpenError {
    None,
    Missing, // the file cannot be opened at all
    OutOfMemory, // also for frames larger than any texture
    Corrupt,     // not a readable AVI file
    ReadError,   // the file failed while being read
    Unsupported, // no decoder for the stream's compression
    NoVideoStream,
    NoFrames,
};

enum class PixelOrder { Rgb, Bgr };
enum class RowOrder { TopDown, BottomUp };

class VideoDecoder {
  public:
    VideoDecoder() = default;
    ~VideoDecoder();
    VideoDecoder(const VideoDecoder&) = delete;
    VideoDecoder& operator=(const VideoDecoder&) = delete;

    // Opens the first video stream of an AVI file and its decoder.
    VideoOpenError Open(const char* path);
    void Close();
    bool IsOpen() const { return format_ != nullptr; }

    // From the stream header: the frame count, the length of all frames in
    // milliseconds and the frame rectangle.
    uint32_t FrameCount() const { return frameCount_; }
    uint32_t DurationMs() const { return durationMs_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Decodes frame `index` and writes it stretched to width × height, three
    // bytes per pixel without row padding, into pixels. Frames are cheapest in
    // order; an earlier frame rewinds to the start. False when the frame cannot
    // be decoded; pixels are then left untouched.
    bool DecodeFrame(uint32_t index, int width, int height, PixelOrder order, RowOrder rows,
                     uint8_t* pixels);

  private:
    VideoOpenError OpenStream(const char* path);
    bool ReceiveNextFrame();
    bool Rewind();
    bool Scale(int width, int height, PixelOrder order, uint8_t* pixels);

    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    struct ScalerShape {
        int sourceWidth = 0, sourceHeight = 0, sourceFormat = -1;
        int width = 0, height = 0, format = -1;
        bool operator==(const ScalerShape&) const = default;
    };
    ScalerShape scalerShape_;
    int streamIndex_ = -1;
    uint32_t frameCount_ = 0;
    uint32_t durationMs_ = 0;
    int width_ = 0;
    int height_ = 0;
    // The decoder's next output is frame nextIndex_; frame_ holds frame
    // nextIndex_ - 1 when holdsFrame_ is set.
    int64_t nextIndex_ = 0;
    bool holdsFrame_ = false;
    bool draining_ = false;
};
