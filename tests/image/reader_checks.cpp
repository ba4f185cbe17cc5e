#include "reader_checks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace picture_bytes {

Decoded Decode(ImageReader decode, const Bytes& file) {
    Decoded result;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    result.ok = decode(file, "pic", result.image);
    result.out = testing::internal::GetCapturedStdout();
    result.err = testing::internal::GetCapturedStderr();
    return result;
}

void ExpectPixels(ImageReader decode, const std::vector<PixelCase>& cases) {
    for (const PixelCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Decoded d = Decode(decode, c.file);
        ASSERT_TRUE(d.ok) << d.out << d.err;
        EXPECT_EQ(d.image.width, c.shape.width);
        EXPECT_EQ(d.image.height, c.shape.height);
        EXPECT_EQ(d.image.depth, c.shape.depth);
        EXPECT_EQ(d.image.pixels, c.pixels);
        EXPECT_EQ(d.out, "");
        EXPECT_EQ(d.err, c.err);
    }
}

void ExpectSameAsStb(ImageReader decode, const std::vector<StbCase>& cases, bool bottom_first) {
    for (const StbCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Decoded d = Decode(decode, c.file);
        ASSERT_TRUE(d.ok) << d.out << d.err;
        EXPECT_EQ(d.out + d.err, "");
        ASSERT_EQ(d.image.depth, c.depth);
        Bytes ours = d.image.pixels;
        if (bottom_first) ours = FlipRows(ours, size_t{d.image.width} * c.depth);
        // Under a transparent GIF pixel the reader keeps the colour; stb_image clears it.
        for (size_t i = 3; decode == DecodeGifPicture && c.depth == 4 && i < ours.size(); i += 4) {
            if (ours[i] == 0) std::fill_n(&ours[i - 3], 3, 0);
        }
        EXPECT_EQ(ours, StbDecode(c.file, int(c.depth)));
    }
}

void ExpectRefused(ImageReader decode, Channel channel, const std::vector<RefusalCase>& cases) {
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Decoded d = Decode(decode, c.file);
        EXPECT_FALSE(d.ok);
        const std::string& said = channel == Channel::kStdout ? d.out : d.err;
        if (c.message) {
            EXPECT_EQ(said, c.message);
        } else {
            EXPECT_NE(said, "");
        }
    }
}

} // namespace picture_bytes
