#include "ui/fonts.h"

#include "ui/draw.h"
#include "ui/font_data.h"
#include "platform/glut_backend.h"

#include <GL/gl.h>

#include <array>
#include <climits>
#include <cmath>
#include <cstdio>

namespace ui {

namespace {

constexpr int kFirstTextureFont = 7;
constexpr int kSizesPerFamily = 5;
constexpr int kLastTextureFont = kFirstTextureFont + kTextureFontFamilies * kSizesPerFamily - 1;
constexpr int kInsetFont = 1;

struct TextureFontGl {
    GLuint texture = 0;
    GLuint lists = 0; // first of 96 display lists
};

std::array<TextureFontGl, kTextureFontFamilies> textureFonts;
constexpr int kBitmapFonts = 2;
std::array<GLuint, kBitmapFonts> bitmapLists{}; // first of 96 lists per font
bool loaded = false;
std::array<int, kFontRoleCount> roles = {kDefaultFont, kDefaultFont, kDefaultFont, kDefaultFont,
                                         kDefaultFont};

bool hasGlyph(int c) {
    return c >= kFirstGlyph && c < kFirstGlyph + kGlyphCount;
}

int familyOf(int id) {
    return (id - kFirstTextureFont) / kSizesPerFamily;
}

platform::BitmapFont bitmapFontFor(int id) {
    using platform::BitmapFont;
    switch (id) {
    case 2:
        return BitmapFont::Fixed8x13;
    case 3:
        return BitmapFont::Fixed9x15;
    case 4:
        return BitmapFont::Helvetica10;
    case 5:
        return BitmapFont::Helvetica12;
    case 6:
        return BitmapFont::Helvetica18;
    default:
        return BitmapFont::TimesRoman24;
    }
}

// Which built-in bitmap font an id uses: 0 the fixed one, 1 the inset one.
int bitmapFontOf(int id) {
    return fontKind(id) == FontKind::Inset8x8 ? 1 : 0;
}

float textureAdvance(int id, int c) {
    if (!hasGlyph(c)) return 0;
    return kTextureFontImages[familyOf(id)].advances[c - kFirstGlyph] * fontHeight(id) / kAtlasCell;
}

void buildTextureFont(int family) {
    const TextureFontImage& image = kTextureFontImages[family];
    std::vector<uint8_t> rgba(static_cast<size_t>(kAtlasWidth) * kAtlasHeight * 4, 255);
    for (int y = 0; y < kAtlasHeight; ++y)
        for (int x = 0; x < kAtlasWidth; ++x)
            rgba[(static_cast<size_t>(y) * kAtlasWidth + x) * 4 + 3] = image.coverage[y][x];
    TextureFontGl& font = textureFonts[family];
    glGenTextures(1, &font.texture);
    glBindTexture(GL_TEXTURE_2D, font.texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, kAtlasWidth, kAtlasHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());

    font.lists = glGenLists(kGlyphCount);
    const float du = float(kAtlasCell) / kAtlasWidth;
    const float dv = float(kAtlasCell) / kAtlasHeight;
    for (int i = 0; i < kGlyphCount; ++i) {
        const float u = (i % kAtlasColumns) * du;
        const float v = (i / kAtlasColumns) * dv;
        const float cell = kAtlasCell;
        glNewList(font.lists + i, GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(u, v);
        glVertex2f(0, 0);
        glTexCoord2f(u + du, v);
        glVertex2f(cell, 0);
        glTexCoord2f(u + du, v + dv);
        glVertex2f(cell, cell);
        glTexCoord2f(u, v + dv);
        glVertex2f(0, cell);
        glEnd();
        glTranslatef(image.advances[i], 0, 0);
        glEndList();
    }
}

void buildBitmapFont(int index) {
    const bool inset = index == 1;
    bitmapLists[index] = glGenLists(kGlyphCount);
    for (int i = 0; i < kGlyphCount; ++i) {
        const std::array<uint8_t, 8> rows = bitmapGlyphRows(i, !inset);
        // glBitmap takes the bottom row first.
        uint8_t bottomUp[8];
        for (int row = 0; row < 8; ++row)
            bottomUp[row] = rows[7 - row];
        const float advance = 8.0f - (inset ? bitmapGlyphInset(i) : 0);
        glNewList(bitmapLists[index] + i, GL_COMPILE);
        glBitmap(8, 8, 0, 0, advance, 0, bottomUp);
        glEndList();
    }
}

// Where an 8x8 glyph's bottom goes for a line whose top is at `top`: the
// glyph centred in the font's line height.
int bitmapGlyphBottom(int id, int top) { return top + fontHeight(id) - (fontHeight(id) - 8) / 2; }

bool bitmapFontReady(int id) {
    if (bitmapLists[bitmapFontOf(id)] != 0) return true;
    std::printf("Error: font has not been initialised\n");
    return false;
}

// Texture-font state for a run of glyphs: the current colour at full alpha
// so text stays solid, blended by the glyph coverage.
class TextureTextState {
  public:
    explicit TextureTextState(int family) {
        glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT);
        GLfloat colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        glColor4f(colour[0], colour[1], colour[2], 1.0f);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, textureFonts[family].texture);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    ~TextureTextState() { glPopAttrib(); }
    TextureTextState(const TextureTextState&) = delete;
    TextureTextState& operator=(const TextureTextState&) = delete;
};

// Draws one glyph of any kind with the top-left of its line at (x, top).
void drawGlyphAt(int id, int c, int x, int top) {
    switch (fontKind(id)) {
    case FontKind::Glut:
        rasterAt(x, top + fontHeight(id));
        platform::DrawBitmapCharacter(bitmapFontFor(id), c);
        break;
    case FontKind::Texture:
        glPushMatrix();
        glTranslatef(static_cast<float>(x), static_cast<float>(top), 0);
        drawChar(id, c);
        glPopMatrix();
        break;
    default:
        rasterAt(x, bitmapGlyphBottom(id, top));
        drawChar(id, c);
        break;
    }
}

} // namespace

FontKind fontKind(int id) {
    if (id == kInsetFont) return FontKind::Inset8x8;
    if ((id >= 2 && id <= 6) || id == kHighestFontId) return FontKind::Glut;
    if (id >= kFirstTextureFont && id <= kLastTextureFont) return FontKind::Texture;
    return FontKind::Fallback8x8;
}

void loadFonts() {
    if (loaded) releaseFonts();
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int i = 0; i < kBitmapFonts; ++i)
        buildBitmapFont(i);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    GLint boundTexture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture);
    for (int i = 0; i < kTextureFontFamilies; ++i)
        buildTextureFont(i);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(boundTexture));
    loaded = true;
}

void releaseFonts() {
    for (GLuint& lists : bitmapLists) {
        if (lists) glDeleteLists(lists, kGlyphCount);
        lists = 0;
    }
    for (TextureFontGl& font : textureFonts) {
        if (font.lists) glDeleteLists(font.lists, kGlyphCount);
        if (font.texture) glDeleteTextures(1, &font.texture);
        font = {};
    }
    loaded = false;
}

bool fontsLoaded() {
    return loaded;
}

int fontHeight(int id) {
    switch (fontKind(id)) {
    case FontKind::Fallback8x8:
        return 8;
    case FontKind::Inset8x8:
        return 12;
    case FontKind::Texture:
        return 8 + 2 * ((id - kFirstTextureFont) % kSizesPerFamily);
    case FontKind::Glut:
        break;
    }
    constexpr std::array<int, 5> kGlutHeights = {13, 15, 10, 12, 18};
    return id == kHighestFontId ? 24 : kGlutHeights[id - 2];
}

int charWidth(int id, int c) {
    switch (fontKind(id)) {
    case FontKind::Fallback8x8:
        return 8;
    case FontKind::Inset8x8:
        return hasGlyph(c) ? 8 - bitmapGlyphInset(c - kFirstGlyph) : 0;
    case FontKind::Glut:
        return platform::BitmapCharacterWidth(bitmapFontFor(id), c);
    case FontKind::Texture:
        return static_cast<int>(std::lround(textureAdvance(id, c)));
    }
    return 0;
}

int textWidth(int id, const char* text) {
    if (!text) return 0;
    switch (fontKind(id)) {
    case FontKind::Glut:
        return platform::BitmapTextWidth(bitmapFontFor(id), text);
    case FontKind::Texture: {
        float width = 0;
        for (const char* p = text; *p; ++p)
            width += textureAdvance(id, static_cast<unsigned char>(*p));
        return static_cast<int>(std::lround(width));
    }
    default: {
        int width = 0;
        for (const char* p = text; *p; ++p)
            width += charWidth(id, static_cast<unsigned char>(*p));
        return width;
    }
    }
}

void drawText(int id, const char* text, int x, int y) {
    if (!text) return;
    switch (fontKind(id)) {
    case FontKind::Glut:
        drawTextBox(id, text, x, y, INT_MAX, INT_MAX, false);
        return;
    case FontKind::Texture: {
        const int family = familyOf(id);
        if (!textureFonts[family].lists) return;
        const TextureTextState state(family);
        const float scale = fontHeight(id) / float(kAtlasCell);
        glPushMatrix();
        glTranslatef(static_cast<float>(x), static_cast<float>(y), 0);
        glScalef(scale, scale, 1);
        for (const char* p = text; *p; ++p) {
            const auto c = static_cast<unsigned char>(*p);
            if (hasGlyph(c)) glCallList(textureFonts[family].lists + (c - kFirstGlyph));
        }
        glPopMatrix();
        return;
    }
    default:
        if (!bitmapFontReady(id)) return;
        rasterAt(x, bitmapGlyphBottom(id, y));
        for (const char* p = text; *p; ++p)
            drawChar(id, static_cast<unsigned char>(*p));
        return;
    }
}

void drawChar(int id, int c) {
    switch (fontKind(id)) {
    case FontKind::Glut:
        platform::DrawBitmapCharacter(bitmapFontFor(id), c);
        return;
    case FontKind::Texture: {
        const int family = familyOf(id);
        if (!textureFonts[family].lists || !hasGlyph(c)) return;
        const TextureTextState state(family);
        const float scale = fontHeight(id) / float(kAtlasCell);
        glScalef(scale, scale, 1);
        glCallList(textureFonts[family].lists + (c - kFirstGlyph));
        glScalef(1 / scale, 1 / scale, 1);
        return;
    }
    default:
        if (!bitmapFontReady(id)) return;
        if (hasGlyph(c))
            glCallList(bitmapLists[bitmapFontOf(id)] + (c - kFirstGlyph));
        else if (fontKind(id) == FontKind::Fallback8x8)
            glBitmap(0, 0, 0, 0, 8, 0, nullptr);
        return;
    }
}

int fontForRole(int role) {
    return role >= 0 && role < kFontRoleCount ? roles[role] : kDefaultFont;
}

void setFontForRole(int role, int id) {
    if (role >= 0 && role < kFontRoleCount) roles[role] = id;
}

void drawTextBox(int font, const char* text, int x, int y, int maxX, int maxY, bool singleLine) {
    const int lineHeight = fontHeight(font);
    const TextBoxLayout layout =
        layoutTextBox([font](unsigned char c) { return charWidth(font, c); }, lineHeight, text, x,
                      y, maxX, maxY, singleLine);
    for (int i = 0; i < layout.bells; ++i)
        std::fputc('\a', stderr);
    for (const PlacedChar& placed : layout.chars)
        drawGlyphAt(font, static_cast<unsigned char>(placed.c), placed.x, placed.y - lineHeight);
}

} // namespace ui
