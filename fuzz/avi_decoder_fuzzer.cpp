// Opens arbitrary bytes as an AVI file and decodes its first frames at a small
// size, in both pixel and row orders, asks for one frame past the count the
// header claims, then rewinds to the first frame.
#include <algorithm>
#include <vector>

#include "fuzz_input_file.h"
#include "media/video_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzInputFile input;
    VideoDecoder decoder;
    if (decoder.Open(input.Write(data, size)) != VideoOpenError::None) return 0;
    constexpr int kWidth = 8, kHeight = 6;
    std::vector<uint8_t> pixels(kWidth * kHeight * 3);
    uint32_t frames = std::min<uint32_t>(decoder.FrameCount(), 4);
    for (uint32_t i = 0; i < frames; ++i)
        decoder.DecodeFrame(i, kWidth, kHeight, i % 2 ? PixelOrder::Bgr : PixelOrder::Rgb,
                            i % 2 ? RowOrder::BottomUp : RowOrder::TopDown, pixels.data());
    decoder.DecodeFrame(decoder.FrameCount(), kWidth, kHeight, PixelOrder::Rgb, RowOrder::BottomUp,
                        pixels.data());
    if (frames > 1) decoder.DecodeFrame(0, kWidth, kHeight, PixelOrder::Rgb, RowOrder::TopDown,
                                        pixels.data());
    return 0;
}
