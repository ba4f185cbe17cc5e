#include "ui/icons.h"

// Placeholder bodies: the real icon set replaces these.
namespace ui {

const std::array<const char*, kIconCount> kIconNames = {};
int iconSize(int id) {
    if (id <= 0 || id >= kIconCount) return 0;
    return (id <= 17 || (id >= 64 && id <= 79)) ? 16 : 32;
}
std::vector<uint8_t> iconPixels(int) { return {}; }
void createIconTextures() {}
void releaseIconTextures() {}
void drawIcon(int, int, int) {}

} // namespace ui
