// Glyph images the font module builds its textures and display lists from.
// The texture fonts are generated at build time by tools/fontgen from the
// DejaVu TrueType faces; the 8x8 bitmap glyphs are drawn by hand.
#pragma once

#include <array>
#include <cstdint>

namespace ui {

constexpr int kFirstGlyph = 32;
constexpr int kGlyphCount = 96;

// One texture font: a 256x128 atlas of 16x16 cells, 16 columns by 6 rows,
// for the characters 32-127.
constexpr int kAtlasWidth = 256;
constexpr int kAtlasHeight = 128;
constexpr int kAtlasCell = 16;
constexpr int kAtlasColumns = 16;

struct TextureFontImage {
    const char* face;
    // Pen advance of each character in cell texels (16 per cell height).
    float advances[kGlyphCount];
    // Glyph coverage (0 blank, 255 solid), top row first.
    uint8_t coverage[kAtlasHeight][kAtlasWidth];
};

constexpr int kTextureFontFamilies = 8;
extern const TextureFontImage kTextureFontImages[kTextureFontFamilies];

// The built-in 8x8 glyph of character 32 + index: one byte per row, top row
// first, bit 7 the leftmost pixel; `bold` thickens every stroke by a column.
std::array<uint8_t, 8> bitmapGlyphRows(int index, bool bold);
// How much narrower than 8 the proportional bitmap font advances.
int bitmapGlyphInset(int index);

} // namespace ui
