#include "ui/fonts.h"

// Placeholder bodies: the real font module replaces these.
namespace ui {

FontKind fontKind(int) { return FontKind::Fallback8x8; }
void loadFonts() {}
void releaseFonts() {}
bool fontsLoaded() { return false; }
int fontHeight(int) { return 8; }
int textWidth(int, const char* text) {
    int n = 0;
    while (text && text[n]) ++n;
    return 8 * n;
}
int charWidth(int, int) { return 8; }
void drawText(int, const char*, int, int) {}
void drawChar(int, int) {}
int fontForRole(int) { return kDefaultFont; }
void setFontForRole(int, int) {}
void drawTextBox(int, const char*, int, int, int, int, bool) {}
TextBoxLayout layoutTextBox(const std::function<int(unsigned char)>&, int, const char*, int, int,
                            int, int, bool) {
    return {};
}

} // namespace ui
