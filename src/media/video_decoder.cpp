#include "media/video_decoder.h"

#include <algorithm>
#include <cerrno>
#include <limits>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {

// A header may claim any frame rectangle, and decoders allocate for it up front:
// frames beyond this many pixels (the largest texture's) are refused.
constexpr int kMaxFramePixels = 4096 * 4096;

VideoOpenError ErrorForStatus(int status) {
    if (status == AVERROR(ENOMEM)) return VideoOpenError::OutOfMemory;
    if (status == AVERROR(ENOENT) || status == AVERROR(EACCES) || status == AVERROR(EISDIR) ||
        status == AVERROR(ENOTDIR))
        return VideoOpenError::Missing;
    if (status == AVERROR(EIO)) return VideoOpenError::ReadError;
    return VideoOpenError::Corrupt;
}

uint32_t ClampToUint32(int64_t value) {
    if (value <= 0) return 0;
    return static_cast<uint32_t>(std::min<int64_t>(value, std::numeric_limits<uint32_t>::max()));
}

void FlipRows(uint8_t* pixels, int width, int height) {
    size_t rowBytes = static_cast<size_t>(width) * 3;
    for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(pixels + top * rowBytes, pixels + (top + 1) * rowBytes,
                         pixels + bottom * rowBytes);
}

} // namespace

VideoDecoder::~VideoDecoder() {
    Close();
}

void VideoDecoder::Close() {
    sws_freeContext(scaler_);
    scaler_ = nullptr;
    av_packet_free(&packet_);
    av_frame_free(&frame_);
    avcodec_free_context(&codec_);
    avformat_close_input(&format_);
    streamIndex_ = -1;
    frameCount_ = durationMs_ = 0;
    width_ = height_ = 0;
    nextIndex_ = 0;
    holdsFrame_ = draining_ = false;
}

VideoOpenError VideoDecoder::Open(const char* path) {
    // Failures are reported by the caller; damaged files would flood standard error.
    av_log_set_level(AV_LOG_FATAL);
    Close();
    VideoOpenError error = OpenStream(path);
    if (error != VideoOpenError::None) Close();
    return error;
}

VideoOpenError VideoDecoder::OpenStream(const char* path) {
    // Only the AVI reader: other containers are not ours to parse.
    const AVInputFormat* avi = av_find_input_format("avi");
    if (!avi) return VideoOpenError::Unsupported;
    int status = avformat_open_input(&format_, path, avi, nullptr);
    if (status < 0) return ErrorForStatus(status);

    for (unsigned i = 0; i < format_->nb_streams; ++i) {
        AVStream* stream = format_->streams[i];
        if (streamIndex_ < 0 && stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO)
            streamIndex_ = static_cast<int>(i);
        else
            stream->discard = AVDISCARD_ALL; // sound tracks are never played
    }
    if (streamIndex_ < 0) return VideoOpenError::NoVideoStream;
    AVStream* stream = format_->streams[streamIndex_];

    frameCount_ = ClampToUint32(stream->nb_frames);
    if (frameCount_ == 0) return VideoOpenError::NoFrames;
    // The time at the end of the last frame, like the stream's sample-to-time conversion.
    if (stream->time_base.num > 0 && stream->time_base.den > 0)
        durationMs_ =
            ClampToUint32(av_rescale_q(frameCount_, stream->time_base, AVRational{1, 1000}));
    width_ = stream->codecpar->width;
    height_ = stream->codecpar->height;
    if (int64_t{width_} * height_ > kMaxFramePixels) return VideoOpenError::OutOfMemory;

    const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!decoder) return VideoOpenError::Unsupported;
    codec_ = avcodec_alloc_context3(decoder);
    frame_ = av_frame_alloc();
    packet_ = av_packet_alloc();
    if (!codec_ || !frame_ || !packet_) return VideoOpenError::OutOfMemory;
    status = avcodec_parameters_to_context(codec_, stream->codecpar);
    if (status < 0) return ErrorForStatus(status);
    codec_->max_pixels = kMaxFramePixels; // also for sizes that change inside the stream
    status = avcodec_open2(codec_, decoder, nullptr);
    if (status == AVERROR(ENOMEM)) return VideoOpenError::OutOfMemory;
    if (status < 0) return VideoOpenError::Unsupported;
    return VideoOpenError::None;
}

bool VideoDecoder::DecodeFrame(uint32_t index, int width, int height, PixelOrder order,
                               RowOrder rows, uint8_t* pixels) {
    if (!IsOpen() || width <= 0 || height <= 0) return false;
    int64_t wanted = index;
    bool alreadyHeld = holdsFrame_ && wanted == nextIndex_ - 1;
    if (!alreadyHeld) {
        if (wanted < nextIndex_ && !Rewind()) return false;
        while (nextIndex_ <= wanted)
            if (!ReceiveNextFrame()) return false;
    }
    if (!Scale(width, height, order, pixels)) return false;
    if (rows == RowOrder::BottomUp) FlipRows(pixels, width, height);
    return true;
}

bool VideoDecoder::ReceiveNextFrame() {
    holdsFrame_ = false;
    for (;;) {
        int status = avcodec_receive_frame(codec_, frame_);
        if (status == 0) {
            ++nextIndex_;
            holdsFrame_ = true;
            return true;
        }
        if (status != AVERROR(EAGAIN) || draining_) return false;
        if (av_read_frame(format_, packet_) < 0) {
            // End of file or a read error: collect the frames the decoder still holds.
            draining_ = true;
            avcodec_send_packet(codec_, nullptr);
            continue;
        }
        // A packet the decoder refuses is skipped; the next one may decode.
        if (packet_->stream_index == streamIndex_) avcodec_send_packet(codec_, packet_);
        av_packet_unref(packet_);
    }
}

bool VideoDecoder::Rewind() {
    AVStream* stream = format_->streams[streamIndex_];
    int64_t start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
    if (av_seek_frame(format_, streamIndex_, start, AVSEEK_FLAG_BACKWARD) < 0) return false;
    avcodec_flush_buffers(codec_);
    nextIndex_ = 0;
    holdsFrame_ = draining_ = false;
    return true;
}

bool VideoDecoder::Scale(int width, int height, PixelOrder order, uint8_t* pixels) {
    AVPixelFormat target = order == PixelOrder::Rgb ? AV_PIX_FMT_RGB24 : AV_PIX_FMT_BGR24;
    ScalerShape shape{frame_->width, frame_->height, frame_->format, width, height, target};
    // Compared here: swscale's own cache rebuilds on every frame for full-range formats.
    if (!scaler_ || !(shape == scalerShape_)) {
        sws_freeContext(scaler_);
        scaler_ = sws_getContext(shape.sourceWidth, shape.sourceHeight,
                                 static_cast<AVPixelFormat>(shape.sourceFormat), width, height,
                                 target, SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (!scaler_) return false;
        scalerShape_ = shape;
    }
    uint8_t* planes[4] = {pixels, nullptr, nullptr, nullptr};
    int strides[4] = {width * 3, 0, 0, 0};
    return sws_scale(scaler_, frame_->data, frame_->linesize, 0, frame_->height, planes, strides) ==
           height;
}
