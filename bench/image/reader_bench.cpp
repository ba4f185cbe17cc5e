// Decoding one 1024 x 1024 picture with each reader, and the same file with stb_image.
#include <benchmark/benchmark.h>
#include <stb_image.h>

#include "image/picture_readers.h"
#include "picture_bytes.h"

using namespace picture_bytes;

namespace {

constexpr uint32_t kSide = 1024;

const Bytes& BmpFile() {
    static const Bytes file = Bmp(kSide, kSide, 24, Pattern(kSide, kSide, 3));
    return file;
}

const Bytes& TgaRawFile() {
    static const Bytes file =
        Tga({.type = 2, .width = kSide, .height = kSide}, Pattern(kSide, kSide, 3));
    return file;
}

const Bytes& TgaRleFile() {
    static const Bytes file =
        Tga({.type = 10, .width = kSide, .height = kSide}, TgaRle(Pattern(kSide, kSide, 3), 3));
    return file;
}

const Bytes& PngFile() {
    static const Bytes file = Png(kSide, kSide, PngKind::kRgb, 8, Pattern(kSide, kSide, 3));
    return file;
}

const Bytes& GifFile() {
    static const Bytes file = [] {
        Bytes map;
        for (int i = 0; i < 256; ++i) {
            map.insert(map.end(), {uint8_t(i), uint8_t(i * 3), uint8_t(255 - i)});
        }
        GifFrame frame;
        frame.width = frame.height = kSide;
        frame.indices = Pattern(kSide, kSide, 1);
        return Gif(kSide, kSide, map, {frame});
    }();
    return file;
}

void Ours(benchmark::State& state,
          bool (*decode)(std::span<const uint8_t>, const char*, ImageRecord&),
          const Bytes& (*file)()) {
    const Bytes& bytes = file();
    for (auto _ : state) {
        ImageRecord image;
        if (!decode(bytes, "bench", image)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(image.pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 3);
}

void Stb(benchmark::State& state, const Bytes& (*file)()) {
    const Bytes& bytes = file();
    for (auto _ : state) {
        int width, height, channels;
        uint8_t* pixels =
            stbi_load_from_memory(bytes.data(), int(bytes.size()), &width, &height, &channels, 3);
        if (!pixels) state.SkipWithError("stb_image failed");
        benchmark::DoNotOptimize(pixels);
        stbi_image_free(pixels);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 3);
}

BENCHMARK_CAPTURE(Ours, Bmp24, DecodeBmpPicture, BmpFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Stb, Bmp24, BmpFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, TgaType2, DecodeTgaPicture, TgaRawFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Stb, TgaType2, TgaRawFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, TgaType10, DecodeTgaPicture, TgaRleFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Stb, TgaType10, TgaRleFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, PngRgb, DecodePngPicture, PngFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Stb, PngRgb, PngFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, Gif, DecodeGifPicture, GifFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Stb, Gif, GifFile)->Unit(benchmark::kMillisecond);

} // namespace
