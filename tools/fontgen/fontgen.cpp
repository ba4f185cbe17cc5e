// Rasterises the toolkit's texture fonts from the DejaVu TrueType faces and writes
// them as a C++ source file holding the glyph images of src/ui/font_data.h.
//
//   fontgen FONT_DIR OUTPUT.cpp
//
// Texture fonts are drawn at five sizes from one 16x16-cell atlas with
// linear filtering. Most families are hinted for the 12-pixel size (the
// default) and widened to the 16-texel cell so that, drawn at 12 pixels on
// whole-pixel pen positions, the filter gives back the hinted pixels.

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/font_data.h"

namespace {

// The atlas layout is the one the font module reads.
constexpr int kFirst = ui::kFirstGlyph;
constexpr int kCount = ui::kGlyphCount;
constexpr int kCell = ui::kAtlasCell;
constexpr int kAtlasW = ui::kAtlasWidth;
constexpr int kAtlasH = ui::kAtlasHeight;

struct Family {
    const char* file;
    const char* name;
    int designSize;     // pixel height the glyphs are hinted for: 12 or 16
    float fixedAdvance; // in texels; 0 for the face's own advances
    float widen;        // horizontal stretch of the outlines
};

// Ids 7-11, 12-16, ... 42-46 in order. Family 4 holds the default font.
const std::array<Family, 8> kFamilies = {{
    {"DejaVuSans.ttf", "DejaVu Sans", 12, 0, 1},
    {"DejaVuSans-Bold.ttf", "DejaVu Sans Bold", 12, 0, 1},
    {"DejaVuSerif.ttf", "DejaVu Serif", 12, 0, 1},
    {"DejaVuSerif-Bold.ttf", "DejaVu Serif Bold", 12, 0, 1},
    {"DejaVuSansMono.ttf", "DejaVu Sans Mono", 12, 8, 1},
    {"DejaVuSans-Oblique.ttf", "DejaVu Sans Oblique", 12, 0, 1},
    {"DejaVuSansMono-Bold.ttf", "DejaVu Sans Mono Bold Extended", 16, 14, 1.45f},
    {"DejaVuSerif-Italic.ttf", "DejaVu Serif Italic", 12, 0, 1},
}};

using Plane = std::vector<float>; // coverage 0..1, row-major

struct Glyph {
    Plane pixels;  // size x size
    float advance; // pixels at the design size
};

FT_Library library;

FT_Face openFace(const std::string& path) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        std::fprintf(stderr, "fontgen: cannot open %s\n", path.c_str());
        std::exit(1);
    }
    return face;
}

// The largest pixel size whose ascent plus descent fits `lineHeight`.
int pixelSizeFor(FT_Face face, int lineHeight) {
    const double span = face->ascender - face->descender;
    return static_cast<int>(std::floor(lineHeight * face->units_per_EM / span + 0.25));
}

// The baseline row the face's ascent gives at a pixel size.
int baselineFor(FT_Face face, int ppem) {
    return static_cast<int>(std::lround(face->ascender * ppem / double(face->units_per_EM)));
}

// Loads one character's outline into the face's glyph slot.
bool loadGlyph(FT_Face face, int c, float widen) {
    FT_Matrix stretch{static_cast<FT_Fixed>(widen * 65536), 0, 0, 0x10000};
    FT_Set_Transform(face, widen != 1 ? &stretch : nullptr, nullptr);
    return FT_Load_Char(face, c, FT_LOAD_TARGET_NORMAL) == 0;
}

// How far right a family's glyphs are moved so that left overhangs (italic
// descenders such as 'j') stay inside their cells.
int overhangShift(FT_Face face, float widen) {
    int shift = 0;
    for (int c = kFirst; c < kFirst + kCount; ++c)
        if (loadGlyph(face, c, widen) && FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0 &&
            face->glyph->bitmap.width > 0)
            shift = std::max(shift, -face->glyph->bitmap_left);
    return std::min(shift, 2);
}

// Renders one character into a size x size plane with its baseline at row
// `baseline` and its pen at `shift`; fixed-advance glyphs are centred in
// their advance.
Glyph renderGlyph(FT_Face face, int c, int size, int baseline, int shift, float fixedAdvancePx,
                  float widen) {
    Glyph glyph{Plane(static_cast<size_t>(size) * size, 0.f), 0};
    if (!loadGlyph(face, c, widen) || FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0)
        return glyph;
    const FT_GlyphSlot slot = face->glyph;
    const float ownAdvance = slot->advance.x / 64.f;
    glyph.advance = fixedAdvancePx > 0 ? fixedAdvancePx : ownAdvance;
    const int penX =
        shift +
        (fixedAdvancePx > 0 ? static_cast<int>(std::floor((fixedAdvancePx - ownAdvance) / 2)) : 0);
    int left = penX + slot->bitmap_left;
    // Whatever still overhangs is moved inside the cell.
    if (left < 0) left = 0;
    if (left + static_cast<int>(slot->bitmap.width) > size)
        left = std::max(0, size - static_cast<int>(slot->bitmap.width));
    const int top = baseline - slot->bitmap_top;
    const FT_Bitmap& bitmap = slot->bitmap;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const int y = top + static_cast<int>(row);
        if (y < 0 || y >= size) continue;
        const unsigned char* src = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
        for (unsigned col = 0; col < bitmap.width; ++col) {
            const int x = left + static_cast<int>(col);
            if (x < 0 || x >= size) continue;
            glyph.pixels[static_cast<size_t>(y) * size + x] = src[col] / 255.f;
        }
    }
    return glyph;
}

// Linear filtering at 3/4 scale samples texels (0.83, 0.17), (0.5, 0.5),
// (0.17, 0.83) of every four; these four texels give back three pixels.
std::array<float, 4> widenThree(float p0, float p1, float p2) {
    const auto clamp01 = [](float v) { return std::clamp(v, 0.f, 1.f); };
    return {clamp01((p0 - p1 / 6) * 1.2f), p1, p1, clamp01((p2 - p1 / 6) * 1.2f)};
}

// 12x12 design pixels to a 16x16 cell, first along rows, then columns.
Plane widenToCell(const Plane& design) {
    Plane rows(static_cast<size_t>(12) * kCell);
    for (int y = 0; y < 12; ++y)
        for (int block = 0; block < 4; ++block) {
            const float* p = &design[static_cast<size_t>(y) * 12 + block * 3];
            const auto t = widenThree(p[0], p[1], p[2]);
            for (int k = 0; k < 4; ++k)
                rows[static_cast<size_t>(y) * kCell + block * 4 + k] = t[k];
        }
    Plane cell(static_cast<size_t>(kCell) * kCell);
    for (int x = 0; x < kCell; ++x)
        for (int block = 0; block < 4; ++block) {
            const float p0 = rows[static_cast<size_t>(block * 3) * kCell + x];
            const float p1 = rows[static_cast<size_t>(block * 3 + 1) * kCell + x];
            const float p2 = rows[static_cast<size_t>(block * 3 + 2) * kCell + x];
            const auto t = widenThree(p0, p1, p2);
            for (int k = 0; k < 4; ++k)
                cell[static_cast<size_t>(block * 4 + k) * kCell + x] = t[k];
        }
    return cell;
}

struct TextureFont {
    std::array<float, kCount> advances{};
    std::vector<uint8_t> atlas = std::vector<uint8_t>(static_cast<size_t>(kAtlasW) * kAtlasH, 0);
};

TextureFont buildTextureFont(const std::string& dir, const Family& family) {
    FT_Face face = openFace(dir + "/" + family.file);
    const int size = family.designSize;
    const int ppem = pixelSizeFor(face, size);
    FT_Set_Pixel_Sizes(face, 0, ppem);
    const float texelsPerPixel = float(kCell) / size;
    const float fixedPx = family.fixedAdvance / texelsPerPixel;
    const int shift = overhangShift(face, family.widen);
    TextureFont font;
    for (int i = 0; i < kCount; ++i) {
        const Glyph glyph = renderGlyph(face, kFirst + i, size, baselineFor(face, ppem), shift,
                                        fixedPx, family.widen);
        const Plane cell = size == kCell ? glyph.pixels : widenToCell(glyph.pixels);
        font.advances[i] = family.fixedAdvance > 0
                               ? family.fixedAdvance
                               : std::min(float(kCell), glyph.advance * texelsPerPixel);
        const int cellX = (i % 16) * kCell;
        const int cellY = (i / 16) * kCell;
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x)
                font.atlas[static_cast<size_t>(cellY + y) * kAtlasW + cellX + x] =
                    static_cast<uint8_t>(
                        std::lround(cell[static_cast<size_t>(y) * kCell + x] * 255));
    }
    FT_Done_Face(face);
    return font;
}

void writeBytes(FILE* out, const uint8_t* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i)
        std::fprintf(out, "%u,%s", bytes[i], i % 32 == 31 ? "\n" : "");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fontgen FONT_DIR OUTPUT.cpp\n");
        return 2;
    }
    const std::string dir = argv[1];
    if (FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "fontgen: cannot start FreeType\n");
        return 1;
    }
    // The classic TrueType interpreter snaps stems to whole pixels: crisp small text.
    FT_UInt interpreter = TT_INTERPRETER_VERSION_35;
    FT_Property_Set(library, "truetype", "interpreter-version", &interpreter);

    const std::string outPath = argv[2];
    const std::string tmpPath = outPath + ".tmp";
    FILE* out = std::fopen(tmpPath.c_str(), "w");
    if (!out) {
        std::fprintf(stderr, "fontgen: cannot write %s\n", tmpPath.c_str());
        return 1;
    }
    std::fprintf(out, "// Generated by tools/fontgen from the DejaVu fonts; do not edit.\n"
                      "#include \"ui/font_data.h\"\n\nnamespace ui {\n\n"
                      "const TextureFontImage kTextureFontImages[kTextureFontFamilies] = {\n");
    for (const Family& family : kFamilies) {
        const TextureFont font = buildTextureFont(dir, family);
        std::fprintf(out, "{\"%s\",\n{", family.name);
        for (float advance : font.advances)
            std::fprintf(out, "%.4ff,", advance);
        std::fprintf(out, "},\n{");
        writeBytes(out, font.atlas.data(), font.atlas.size());
        std::fprintf(out, "}},\n");
    }
    std::fprintf(out, "};\n\n} // namespace ui\n");
    const bool written = std::fclose(out) == 0;
    FT_Done_FreeType(library);
    if (!written || std::rename(tmpPath.c_str(), outPath.c_str()) != 0) {
        std::fprintf(stderr, "fontgen: cannot write %s\n", outPath.c_str());
        return 1;
    }
    return 0;
}
