// The picture readers on files built byte by byte: exact pixels for small pictures,
// stb_image as an independent decoder for larger ones, and clean failures.
#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "image/picture_readers.h"
#include "picture_bytes.h"

using namespace picture_bytes;

namespace {

using Decoder = bool (*)(std::span<const uint8_t>, const char*, ImageRecord&);

struct Decoded {
    bool ok = false;
    ImageRecord image;
    std::string out; // standard output
    std::string err; // standard error
};

Decoded Decode(Decoder decode, const Bytes& file) {
    Decoded result;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    result.ok = decode(file, "pic", result.image);
    result.out = testing::internal::GetCapturedStdout();
    result.err = testing::internal::GetCapturedStderr();
    return result;
}

// Colour map entries i + 1, 5i, 255 - i and, with four components, 3i.
Bytes Colours(int entries, int components = 3) {
    Bytes map;
    for (int i = 0; i < entries; ++i) {
        map.insert(map.end(), {uint8_t(i + 1), uint8_t(i * 5), uint8_t(255 - i), uint8_t(3 * i)});
        map.resize(map.size() - 4 + components);
    }
    return map;
}

// Grey colour map entries of value i.
Bytes Greys(int entries) {
    Bytes map;
    for (int i = 0; i < entries; ++i)
        map.insert(map.end(), 3, uint8_t(i));
    return map;
}

// The first count bytes of the file.
Bytes Head(const Bytes& file, size_t count) {
    return Bytes(file.begin(), file.begin() + count);
}

// The file with bytes written over it at offset.
Bytes With(Bytes file, size_t offset, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), file.begin() + offset);
    return file;
}

// Indices that LZW compresses well in places and poorly in others.
Bytes Indices(uint16_t width, uint16_t height, int colours) {
    Bytes indices = Pattern(width, height, 1);
    for (uint8_t& index : indices)
        index %= colours;
    return indices;
}

// A GIF of count copies of one 2 x 2 image, then the start of one more, cut short.
Bytes ManyImages(int count) {
    const Bytes one = Gif(2, 2, Colours(4), {{.width = 2, .height = 2, .indices = {0, 1, 2, 3}}});
    Bytes file = Head(one, 13 + 12);
    for (int i = 0; i < count; ++i)
        file.insert(file.end(), one.begin() + 13 + 12, one.end() - 1);
    return Cat(file, {',', 0, 0});
}

TEST(PictureReaders, SmallPicturesGiveExactPixels) {
    const GifFrame grey = {.width = 4, .height = 1, .indices = {0, 1, 2, 3}};
    Bytes grey_bogus = Gif(4, 1, Greys(4), {grey});
    grey_bogus.insert(grey_bogus.end() - 1, 0x55);
    // A palette counts as grey when entry i holds i in any colour byte: the odd entries here
    // are grey, the even ones red only.
    Bytes loose_grey;
    for (int i = 0; i < 256; ++i) {
        loose_grey.insert(loose_grey.end(),
                          {uint8_t(i % 2 * i), uint8_t(i % 2 * i), uint8_t(i), 0});
    }
    // Lines of 4 bytes for 3 pixels, the top one first: an empty run of 9, then a run of 6
    // fives cut after 4 at the line end; then raw bytes.
    const Bytes pcx_runs =
        Cat(Head(Pcx(3, 2, 1, 4, Bytes(8, 0)), 128), {192, 9, 198, 5, 1, 2, 3, 4});
    const Bytes c4 = Colours(4), entry1(&c4[3], &c4[6]), entries12(&c4[3], &c4[9]);

    struct Row {
        const char* what;
        Decoder decode;
        Bytes file;
        uint32_t width, height, depth;
        Bytes pixels;
        std::string err = "";
    };
    std::vector<Row> rows = {
        {"bmp 32",
         DecodeBmpPicture,
         Bmp(2, 1, 32, {10, 20, 30, 0, 40, 50, 60, 128}),
         2,
         1,
         4,
         {30, 20, 10, 0, 60, 50, 40, 128}},
        {"bmp grey",
         DecodeBmpPicture,
         Bmp(3, 2, 8, {0, 7, 200, 255, 1, 2}, loose_grey),
         3,
         2,
         1,
         {0, 7, 200, 255, 1, 2}},
        // Two palette entries and rows stored top first: row 0 is still the bottom row.
        {"bmp top-down",
         DecodeBmpPicture,
         Bmp(2, -2, 8, {0, 1, 1, 1}, {0, 0, 255, 0, 255, 0, 0, 0}, 2),
         2,
         2,
         3,
         {0, 0, 255, 0, 0, 255, 255, 0, 0, 0, 0, 255}},
        {"pcx 3 planes",
         DecodePcxPicture,
         Pcx(2, 2, 3, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
         2,
         2,
         3,
         {7, 9, 11, 8, 10, 12, 1, 3, 5, 2, 4, 6}},
        {"pcx palette",
         DecodePcxPicture,
         Pcx(2, 2, 1, 2, {0, 1, 2, 3}, Colours(256)),
         2,
         2,
         3,
         {3, 10, 253, 4, 15, 252, 1, 0, 255, 2, 5, 254}},
        {"pcx grey palette",
         DecodePcxPicture,
         Pcx(2, 2, 1, 2, {0, 1, 2, 3}, Greys(256)),
         2,
         2,
         1,
         {2, 3, 0, 1}},
        {"pcx runs", DecodePcxPicture, pcx_runs, 3, 2, 1, {1, 2, 3, 5, 5, 5}},
        // A run of 2, then a run of 5 of which one pixel fits.
        {"tga runs",
         DecodeTgaPicture,
         Tga(10, 3, 1, 32, {0x81, 1, 2, 3, 4, 0x84, 5, 6, 7, 8}),
         3,
         1,
         4,
         {3, 2, 1, 4, 3, 2, 1, 4, 7, 6, 5, 8}},
        {"tga true colour skips its colour map",
         DecodeTgaPicture,
         Tga(2, 2, 1, 24, {1, 2, 3, 4, 5, 6}, {9, 9, 9, 9, 9, 9}, 24),
         2,
         1,
         3,
         {3, 2, 1, 6, 5, 4}},
        {"gif grey, bogus byte",
         DecodeGifPicture,
         grey_bogus,
         4,
         1,
         1,
         {0, 1, 2, 3},
         "Image reader: bogus character 0x55, ignoring\n"},
        {"gif grey clear",
         DecodeGifPicture,
         Gif(4, 1, Greys(4),
             {{.width = 4, .height = 1, .indices = {0, 1, 2, 3}, .transparent = 2}}),
         4,
         1,
         2,
         {0, 255, 1, 255, 2, 0, 3, 255}},
        {"gif offset frame", DecodeGifPicture,
         Gif(3, 2, Colours(4),
             {{.left = 2, .top = 1, .width = 2, .height = 2, .indices = {1, 1, 1, 1}}}),
         3, 2, 3, Cat(Bytes(15, 0), entry1)},
        {"gif first frame, before a format change", DecodeGifPicture,
         Gif(2, 1, Colours(4),
             {{.width = 2, .height = 1, .indices = {1, 2}},
              {.width = 2, .height = 1, .indices = {3, 3}, .transparent = 3}}),
         2, 1, 3, entries12, "Image reader: multiple colormap formats encounted at frame 1\n"},
        // Reading stops after 256 images: the one cut short is never reached.
        {"gif of 300 images", DecodeGifPicture, ManyImages(300), 2, 2, 3, Colours(4)},
        // Palette pictures give indices, bottom row first, however many bits they take.
        {"png palette 4 bits",
         DecodePngPicture,
         Png(3, 2, PngKind::kPalette, 4, {0x05, 0xF0, 0x93, 0x10}, false, Colours(16)),
         3,
         2,
         1,
         {9, 3, 1, 0, 5, 15}},
        {"png 16 bits",
         DecodePngPicture,
         Png(2, 1, PngKind::kRgb, 16, {0, 0, 1, 1, 127, 127, 128, 128, 254, 254, 255, 255}),
         2,
         1,
         3,
         {0, 1, 127, 128, 254, 255}},
        {"png 2 bits",
         DecodePngPicture,
         Png(4, 1, PngKind::kGrey, 2, {0b00011011}),
         4,
         1,
         1,
         {0, 85, 170, 255}},
    };
    // Row y holds index y; a file of 10 rows stores rows 0, 8, 4, 2, 6, 1, 3, 5, 7, 9.
    for (uint16_t height : {1, 2, 3, 5, 10, 37}) {
        Bytes indices(height);
        std::iota(indices.begin(), indices.end(), 0);
        const GifFrame frame = {
            .width = 1, .height = height, .indices = indices, .interlaced = true};
        rows.push_back({"gif interlaced", DecodeGifPicture, Gif(1, height, Greys(64), {frame}), 1,
                        height, 1, indices});
    }
    for (const Row& row : rows) {
        const Decoded d = Decode(row.decode, row.file);
        ASSERT_TRUE(d.ok) << row.what << ": " << d.out << d.err;
        EXPECT_EQ(d.image.width, row.width) << row.what;
        EXPECT_EQ(d.image.height, row.height) << row.what;
        EXPECT_EQ(d.image.depth, row.depth) << row.what;
        EXPECT_EQ(d.image.pixels, row.pixels) << row.what;
        EXPECT_EQ(d.err, row.err) << row.what;
    }
}

TEST(PictureReaders, LargerPicturesMatchStbImage) {
    struct Row {
        std::string what;
        Decoder decode;
        Bytes file;
        uint32_t depth;
    };
    std::vector<Row> rows;
    // Widths 1 to 3 give every amount of row padding.
    for (uint16_t width : {1, 2, 3, 97}) {
        rows.push_back({"bmp 24 wide " + std::to_string(width), DecodeBmpPicture,
                        Bmp(width, 33, 24, Pattern(width, 33, 3)), 3});
    }
    rows.push_back({"bmp colour palette", DecodeBmpPicture,
                    Bmp(5, 4, 8, Pattern(5, 4, 1), Colours(256, 4)), 3});
    // Every file has an id to skip.
    for (uint8_t depth : {3, 4}) {
        for (uint8_t type : {1, 2, 9, 10}) {
            const bool mapped = type == 1 || type == 9;
            const Bytes pixels = mapped ? Pattern(67, 23, 1) : Pattern(67, 23, depth);
            rows.push_back({"tga " + std::to_string(type) + " at " + std::to_string(depth * 8),
                            DecodeTgaPicture,
                            Tga(type, 67, 23, mapped ? 8 : depth * 8,
                                type > 8 ? TgaRle(pixels, mapped ? 1 : depth) : pixels,
                                mapped ? Colours(256, depth) : Bytes{}, depth * 8, 5),
                            depth});
        }
    }
    // Minimum code sizes 2 and 8 take the code from 3 and 9 bits up to 12, through several
    // full tables. The 4 colours come from a local map over a grey global one.
    for (int colours : {4, 256}) {
        const GifFrame frame = {.width = 301,
                                .height = 97,
                                .indices = Indices(301, 97, colours),
                                .local_map = colours == 4 ? Colours(4) : Bytes{},
                                .minimum_code_size = colours == 4 ? 2 : 8};
        rows.push_back({"gif of " + std::to_string(colours), DecodeGifPicture,
                        Gif(301, 97, colours == 4 ? Greys(4) : Colours(256), {frame}), 3});
    }
    GifFrame interlaced = {.width = 123,
                           .height = 45,
                           .indices = Indices(123, 45, 256),
                           .interlaced = true,
                           .transparent = 200};
    interlaced.indices[5] = 200;
    rows.push_back({"gif interlaced, transparent", DecodeGifPicture,
                    Gif(123, 45, Colours(256), {interlaced}), 4});
    const std::pair<PngKind, uint32_t> kinds[] = {
        {PngKind::kGrey, 1}, {PngKind::kGreyAlpha, 2}, {PngKind::kRgb, 3}, {PngKind::kRgba, 4}};
    for (const auto& [kind, channels] : kinds) {
        for (bool interlace : {false, true}) {
            rows.push_back({"png of " + std::to_string(channels) + (interlace ? " interlaced" : ""),
                            DecodePngPicture,
                            Png(37, 21, kind, 8, Pattern(37, 21, channels), interlace), channels});
        }
    }
    for (const Row& row : rows) {
        const Decoded d = Decode(row.decode, row.file);
        ASSERT_TRUE(d.ok) << row.what << ": " << d.out << d.err;
        EXPECT_EQ(d.err, "") << row.what;
        ASSERT_EQ(d.image.depth, row.depth) << row.what;
        // stb_image gives the top row first, as the TGA and GIF readers do.
        const bool bottom_first = row.decode == DecodeBmpPicture || row.decode == DecodePngPicture;
        Bytes ours =
            bottom_first ? FlipRows(d.image.pixels, d.image.width * row.depth) : d.image.pixels;
        // Under a transparent GIF pixel the reader keeps the colour; stb_image clears it.
        for (size_t i = 3; row.decode == DecodeGifPicture && i < ours.size(); i += 4) {
            if (row.depth == 4 && ours[i] == 0) std::fill_n(&ours[i - 3], 3, 0);
        }
        EXPECT_EQ(ours, StbDecode(row.file, int(row.depth))) << row.what;
    }
}

// Files the readers refuse, with their messages, and hostile ones: truncated, sizes that
// overflow or are empty, fields that point past the data.
TEST(PictureReaders, RefusedAndHostileFilesFailCleanly) {
    const Bytes bmp = Bmp(4, 4, 24, Pattern(4, 4, 3));
    const Bytes pcx = Pcx(16, 16, 3, 16, Pattern(48, 16, 1));
    const Bytes tga = Tga(2, 16, 16, 32, Pattern(16, 16, 4));
    const Bytes tga_rle = Tga(10, 16, 16, 32, TgaRle(Pattern(16, 16, 4), 4));
    const Bytes gif =
        Gif(64, 64, Colours(256), {{.width = 64, .height = 64, .indices = Indices(64, 64, 256)}});
    const Bytes png = Png(64, 64, PngKind::kRgb, 8, Pattern(64, 64, 3));
    auto tga_type = [](uint8_t type) { return Tga(type, 1, 1, 24, {1, 2, 3}); };
    // The GIF's header, colour map and 64 x 64 image descriptor, then the given image data.
    auto gif_data = [&](const Bytes& data) { return Cat(Head(gif, 13 + 768 + 10), data); };
    struct Row {
        Decoder decode;
        Bytes file;
        // On standard error for GIF files, else on standard output; null for any message.
        const char* message = nullptr;
    };
    std::vector<Row> rows = {
        {DecodeBmpPicture, With(bmp, 0, {'X'}), ""},
        {DecodeBmpPicture, With(bmp, 30, {1}),
         "[ERROR] This bitmap loader does not support compressed files (yet)\n"},
        {DecodeBmpPicture, With(bmp, 14, {12}),
         "[ERROR] bitmap loader does not support this bitmap header\n"},
        {DecodeBmpPicture, Bmp(2, 1, 16, {1, 2, 3, 4}),
         "[ERROR] bitmap loader does not support this bit depth\n"},
        {DecodeBmpPicture, Head(bmp, bmp.size() - 2), "[ERROR] The file pic is truncated\n"},
        {DecodePcxPicture, With(pcx, 0, {11}), "[ERROR] pic is not a pcx file!!\n"},
        {DecodePcxPicture, With(pcx, 1, {3}),
         "[ERROR] Only version 5 of the pcx file format is supported....\n"},
        {DecodePcxPicture, With(pcx, 66, {8, 0})},      // lines shorter than the width
        {DecodePcxPicture, With(pcx, 65, {0})},         // no planes
        {DecodePcxPicture, With(pcx, 65, {255})},       // more planes than the data holds
        {DecodePcxPicture, With(pcx, 8, {0xff, 0xff})}, // xmax far out
        {DecodePcxPicture, With(pcx, 4, {20, 0})},      // xmin beyond xmax
        {DecodeTgaPicture, tga_type(0), "[ERROR] The file pic contains no image data\n"},
        {DecodeTgaPicture, tga_type(33),
         "[ERROR] The file pic contains compressed color map data which is un-supported (4pass "
         "quad tree process)\n"},
        {DecodeTgaPicture, tga_type(7), "[ERROR] The file pic does not appear to be valid\n"},
        {DecodeTgaPicture, Tga(10, 0xFFFF, 0xFFFF, 32, {0xFF, 1, 2, 3, 4})},
        // A colour map of 65535 entries in a file of a few bytes.
        {DecodeTgaPicture, With(Tga(9, 16, 16, 8, {0x80, 0}, {1, 2, 3, 4}, 32), 5, {0xFF, 0xFF})},
        // 16-bit pixels and colour maps, and indices wider than a byte.
        {DecodeTgaPicture, Tga(2, 1, 1, 16, {1, 2})},
        {DecodeTgaPicture, Tga(1, 1, 1, 8, {0}, {1, 2}, 16)},
        {DecodeTgaPicture, Tga(1, 1, 1, 16, {0, 0}, {1, 2, 3}, 24)},
        {DecodeGifPicture, With(gif, 2, {'X'}), "Image reader: not a GIF file\n"},
        {DecodeGifPicture, With(gif, 3, {'9', '0'}),
         "Image reader: bad version number, not '87a' or '89a'\n"},
        {DecodeGifPicture, Head(gif, 20),
         "Image reader: bad colormap\nImage reader: EOF / read error on image data\n"},
        {DecodeGifPicture, Head(gif, gif.size() - 1),
         "Image reader: EOF / read error on image data\n"},
        {DecodeGifPicture, ManyImages(255), "Image reader: couldn't read left/top/width/height\n"},
        // Eight codes, then the data ends in the middle of the picture without an end code.
        {DecodeGifPicture, gif_data({8, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ';'}),
         "Image reader: ran off the end of my bits\n"},
        // A code size out of range, and a block longer than the file.
        {DecodeGifPicture, gif_data({12, 1, 0, 0, ';'}), "Image reader: error reading image\n"},
        {DecodeGifPicture, gif_data({8, 200, 1, 2, 3})},
        // A screen, and an image, far larger than the data in the file.
        {DecodeGifPicture, With(gif, 6, {0, 0x80, 0, 0x8}),
         "Image reader: unsupported screen size 32768 x 2048\n"},
        {DecodeGifPicture, With(gif_data({2, 1, 4, 0, ';'}), 13 + 768 + 5, {0, 0x80, 0, 0x8}),
         "Image reader: error reading image\n"},
        {DecodePngPicture, With(png, 1, {'Q'}),
         "[ERROR] File is not recognized as a PNG file {$s}\n"},
        {DecodePngPicture, Head(png, png.size() / 2), "[ERROR] Error during read_image {pic}\n"},
        {DecodePngPicture, Head(png, 20), "[ERROR] init_io failure {pic}\n"},
    };
    for (auto [width, height] :
         {std::pair<uint32_t, uint32_t>{0xFFFFFFFF, 1}, {0, 5}, {1, 0x80000000}}) {
        rows.push_back({DecodeBmpPicture, With(bmp, 18, Le({{width, 4}, {height, 4}}))});
    }
    const std::pair<Decoder, const Bytes*> whole[] = {
        {DecodeBmpPicture, &bmp},     {DecodePcxPicture, &pcx}, {DecodeTgaPicture, &tga},
        {DecodeTgaPicture, &tga_rle}, {DecodeGifPicture, &gif}, {DecodePngPicture, &png}};
    for (const auto& [decode, file] : whole) {
        // Short of the whole file, and of the PNG end chunk, which is never read.
        for (size_t keep : {size_t{30}, file->size() / 2, file->size() - 13}) {
            rows.push_back({decode, Head(*file, keep)});
        }
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const Decoded d = Decode(rows[i].decode, rows[i].file);
        EXPECT_FALSE(d.ok) << i;
        const std::string& said = rows[i].decode == DecodeGifPicture ? d.err : d.out;
        if (rows[i].message) {
            EXPECT_EQ(said, rows[i].message) << i;
        } else {
            EXPECT_NE(said, "") << i;
        }
    }
}

} // namespace
