// Where the text box routine puts each character: pure layout, no GL.
#include "ui/fonts.h"

namespace ui {

TextBoxLayout layoutTextBox(const std::function<int(unsigned char)>& advance, int lineHeight,
                            const char* text, int x, int y, int maxX, int maxY, bool singleLine) {
    TextBoxLayout layout;
    if (!text) return layout;
    const int left = x + 3;
    int penX = left;
    int penY = y + lineHeight;
    const auto lineVisible = [&] { return penY - lineHeight < maxY; };
    for (const char* p = text; *p && lineVisible(); ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == '\n') {
            if (singleLine) break;
            penX = left;
            penY += lineHeight;
            continue;
        }
        if (c == '\t') {
            penX += 4 * advance(' ');
            continue;
        }
        if (c == 7) {
            ++layout.bells;
            continue;
        }
        const int width = advance(c);
        if (penX + width > maxX) {
            // The rest of this line does not fit: skip to its end.
            while (p[1] && p[1] != '\n')
                ++p;
            continue;
        }
        layout.chars.push_back({static_cast<char>(c), penX, penY});
        penX += width;
    }
    return layout;
}

} // namespace ui
