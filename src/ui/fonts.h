// Text for the toolkit: font ids 0-47 (GLUT bitmap fonts, two built-in 8x8
// bitmap fonts and eight texture fonts in five sizes), the five font roles,
// metrics and drawing.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ui {

constexpr int kFontRoleCount = 5;
constexpr int kDefaultFont = 29;
constexpr int kHighestFontId = 47;

enum class FontKind { Fallback8x8, Inset8x8, Glut, Texture };
FontKind fontKind(int id);

// Builds both bitmap fonts and the texture fonts (needs a GL context).
void loadFonts();
// Deletes every display list and texture the fonts own.
void releaseFonts();
bool fontsLoaded();

int fontHeight(int id);
int textWidth(int id, const char* text);
int charWidth(int id, int c);

// Draws `text` with its top-left near (x, y) in the toolkit's projection.
void drawText(int id, const char* text, int x, int y);
// Draws one character at the current raster position (bitmap fonts) or at
// the model-view origin, which it then advances (texture fonts).
void drawChar(int id, int c);

int fontForRole(int role);
// Ignores roles outside 0..4.
void setFontForRole(int role, int id);

// Draws text for GLUT fonts: starts at (x + 3, y + line height), honours
// tabs and newlines, cuts lines at maxX and stops below maxY.
void drawTextBox(int font, const char* text, int x, int y, int maxX, int maxY, bool singleLine);

// ---- Text box layout (no GL) ----------------------------------------------

struct PlacedChar {
    char c;
    int x, y; // pen position (baseline) the character is drawn at
    bool operator==(const PlacedChar&) const = default;
};

struct TextBoxLayout {
    std::vector<PlacedChar> chars;
    int bells = 0; // character 7 met while drawing
};

// Where drawTextBox puts each character, given the advance of a character
// and the line height.
TextBoxLayout layoutTextBox(const std::function<int(unsigned char)>& advance, int lineHeight,
                            const char* text, int x, int y, int maxX, int maxY, bool singleLine);

} // namespace ui
