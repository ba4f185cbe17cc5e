// Every reader fails cleanly, with a message, on files cut short anywhere.
#include <gtest/gtest.h>

#include "reader_checks.h"

using namespace picture_bytes;

namespace {

TEST(PictureReaders, FilesCutShortFailWithAMessage) {
    const Bytes gif =
        Gif(64, 64, Colours(256), {{.width = 64, .height = 64, .indices = Indices(64, 64, 256)}});
    const struct {
        const char* format;
        ImageReader decode;
        Channel channel;
        Bytes file;
    } formats[] = {
        {"bmp", DecodeBmpPicture, Channel::kStdout, Bmp(4, 4, 24, Pattern(4, 4, 3))},
        {"pcx", DecodePcxPicture, Channel::kStdout, Pcx(16, 16, 3, 16, Pattern(48, 16, 1))},
        {"tga", DecodeTgaPicture, Channel::kStdout,
         Tga({.type = 2, .width = 16, .height = 16, .pixel_bits = 32}, Pattern(16, 16, 4))},
        {"tga run-length", DecodeTgaPicture, Channel::kStdout,
         Tga({.type = 10, .width = 16, .height = 16, .pixel_bits = 32},
             TgaRle(Pattern(16, 16, 4), 4))},
        {"gif", DecodeGifPicture, Channel::kStderr, gif},
        {"png", DecodePngPicture, Channel::kStdout,
         Png(64, 64, PngKind::kRgb, 8, Pattern(64, 64, 3))},
    };
    for (const auto& [format, decode, channel, file] : formats) {
        SCOPED_TRACE(format);
        // Short of the whole file, and of the PNG end chunk, which is never read.
        std::vector<RefusalCase> cases;
        for (size_t keep : {size_t{30}, file.size() / 2, file.size() - 13}) {
            cases.push_back({"cut to " + std::to_string(keep) + " bytes", Head(file, keep)});
        }
        ExpectRefused(decode, channel, cases);
    }
}

} // namespace
