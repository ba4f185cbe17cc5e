#include "ui/icons.h"

#include "ui/draw.h"
#include "ui/icon_art.h"

#include <GL/gl.h>

#include <algorithm>
#include <memory>

namespace ui {

namespace {

constexpr int kLastLayered = 17;
constexpr int kLastRgb = 63;
constexpr int kFirstTextured = 64;
constexpr int kTextureCount = kIconCount - kFirstTextured;
constexpr int kMaxLayers = 5;
// RGB icons are opaque: they are composed over the default panel face.
constexpr Colour kRgbBackground{237, 233, 216};

// One-bit masks, 16x16, two bytes per row, bottom row first as glBitmap takes them, bit 7
// leftmost.
struct LayeredIcon {
    int layers = 0;
    std::array<Colour, kMaxLayers> colours{};
    std::array<std::array<uint8_t, 32>, kMaxLayers> masks{};
};

struct IconSet {
    std::array<LayeredIcon, kLastLayered + 1> layered;
    std::array<std::vector<uint8_t>, kLastRgb + 1> rgb; // 32x32x3, bottom row first
    std::array<std::vector<uint8_t>, kIconCount> rgba;  // size x size x 4, top row first
};

bool sameColour(Colour a, Colour b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// Splits the art into one layer per colour, in order of first appearance.
LayeredIcon toLayers(const PixelCanvas& art) {
    LayeredIcon icon;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const Colour c = art.at(x, y);
            if (c.a < 128) continue;
            int layer = 0;
            while (layer < icon.layers && !sameColour(icon.colours[layer], c))
                ++layer;
            if (layer == icon.layers) {
                if (icon.layers == kMaxLayers) continue;
                icon.colours[icon.layers++] = c;
            }
            icon.masks[layer][(15 - y) * 2 + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
    return icon;
}

std::vector<uint8_t> toRgb(const PixelCanvas& art) {
    std::vector<uint8_t> rgb;
    rgb.reserve(32 * 32 * 3);
    for (int y = 31; y >= 0; --y)
        for (int x = 0; x < 32; ++x) {
            const Colour c = art.at(x, y);
            const float a = c.a / 255.f;
            rgb.push_back(static_cast<uint8_t>(c.r * a + kRgbBackground.r * (1 - a) + 0.5f));
            rgb.push_back(static_cast<uint8_t>(c.g * a + kRgbBackground.g * (1 - a) + 0.5f));
            rgb.push_back(static_cast<uint8_t>(c.b * a + kRgbBackground.b * (1 - a) + 0.5f));
        }
    return rgb;
}

std::unique_ptr<IconSet> buildIconSet() {
    auto set = std::make_unique<IconSet>();
    for (int id = 1; id < kIconCount; ++id) {
        const PixelCanvas art = drawIconArt(id);
        if (id <= kLastLayered)
            set->layered[id] = toLayers(art);
        else if (id <= kLastRgb)
            set->rgb[id] = toRgb(art);
        else
            set->rgba[id] = art.pixels();
    }
    return set;
}

const IconSet& iconSet() {
    static const std::unique_ptr<IconSet> set = buildIconSet();
    return *set;
}

std::array<GLuint, kTextureCount> textures{};
bool texturesCreated = false;

void drawLayers(const LayeredIcon& icon, int x, int y) {
    for (int layer = 0; layer < icon.layers; ++layer) {
        const Colour c = icon.colours[layer];
        glColor3ub(c.r, c.g, c.b); // latched by the raster position below
        rasterAt(x, y);
        glBitmap(16, 16, 0, 0, 0, 0, icon.masks[layer].data());
    }
}

void drawRgb(const std::vector<uint8_t>& rgb, int x, int y) {
    rasterAt(x, y);
    glDrawPixels(32, 32, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
}

void drawTextured(int id, int x, int y) {
    if (!texturesCreated) return;
    const int size = iconSize(id);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TEXTURE_BIT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textures[id - kFirstTextured]);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2i(x, y - size);
    glTexCoord2f(1, 0);
    glVertex2i(x + size, y - size);
    glTexCoord2f(1, 1);
    glVertex2i(x + size, y);
    glTexCoord2f(0, 1);
    glVertex2i(x, y);
    glEnd();
    glPopAttrib();
}

} // namespace

const std::array<const char*, kIconCount> kIconNames = {
    "ICON_NONE",
    "ICON_CLOSE",
    "ICON_MAXIMISE",
    "ICON_RESTORE",
    "ICON_MINIMISE",
    "ICON_CUT",
    "ICON_SAVE",
    "ICON_SAVEALL",
    "ICON_OPEN",
    "ICON_NEW",
    "ICON_PRINT",
    "ICON_PRINT_PREVIEW",
    "ICON_FULLSCREEN",
    "ICON_CHECKBOX0",
    "ICON_CHECKBOX1",
    "ICON_COPY",
    "ICON_PASTE",
    "ICON_TRASH_SMALL",
    "ICON_CAMERA",
    "ICON_CAMERA_DOLLY",
    "ICON_CAMERA_PAN",
    "ICON_CAMERA_ROLL",
    "ICON_CAMERA_TRACK",
    "ICON_CAMERA_TUMBLE",
    "ICON_CAMERA_YAWPITCH",
    "ICON_GROUP",
    "ICON_IK_JOINT",
    "ICON_IK_HANDLE",
    "ICON_LIGHT_AMBIENT",
    "ICON_LIGHT_AREA",
    "ICON_LIGHT_DIRECTIONAL",
    "ICON_LIGHT_POINT",
    "ICON_LIGHT_SPOT",
    "ICON_LOCATOR",
    "ICON_MATERIAL_ANISTROPIC",
    "ICON_MATERIAL_BLINN",
    "ICON_MATERIAL_LAMBERT",
    "ICON_MATERIAL_PHONG",
    "ICON_NURBS_CONE",
    "ICON_NURBS_CUBE",
    "ICON_NURBS_CYLINDER",
    "ICON_NURBS_PLANE",
    "ICON_NURBS_SPHERE",
    "ICON_NURBS_TORUS",
    "ICON_POLY_CONE",
    "ICON_POLY_CUBE",
    "ICON_POLY_CYLINDER",
    "ICON_POLY_PLANE",
    "ICON_POLY_QUAD",
    "ICON_POLY_SPHERE",
    "ICON_POLY_TORUS",
    "ICON_REDO",
    "ICON_TEXTURE_MOVIE",
    "ICON_TEXTURE_RAMP",
    "ICON_TOOL_CURVE_CV",
    "ICON_TOOL_CURVE_EP",
    "ICON_TOOL_LASSO_SELECT",
    "ICON_TOOL_MOVE",
    "ICON_TOOL_ROTATE",
    "ICON_TOOL_SCALE",
    "ICON_TOOL_SELECT",
    "ICON_TOOL_TEXT",
    "ICON_TRASH",
    "ICON_UNDO",
    "ICON_SMALL_ARROW_DOWN",
    "ICON_SMALL_ARROW_UP",
    "ICON_SMALL_ARROW_LEFT",
    "ICON_SMALL_ARROW_RIGHT",
    "ICON_SMALL_CDROM",
    "ICON_SMALL_CONTROL_PANEL",
    "ICON_SMALL_DELETE",
    "ICON_SMALL_DESKTOP",
    "ICON_SMALL_EMAIL",
    "ICON_SMALL_FLOPPY",
    "ICON_SMALL_FOLDER",
    "ICON_SMALL_MOVE_FOLDER",
    "ICON_SMALL_MY_COMPUTER",
    "ICON_SMALL_MY_DOCUMENTS",
    "ICON_SMALL_NETWORK_NEIGHBOURHOOD",
    "ICON_SMALL_RECYCLE",
    "ICON_BACK",
    "ICON_CAMERA_SCANNER",
    "ICON_FOLDER",
    "ICON_FOLDERS",
    "ICON_FORWARD",
    "ICON_JOYPAD",
    "ICON_KEYBOARD",
    "ICON_MAGNIFY",
    "ICON_MOUSE",
    "ICON_MY_COMPUTER",
    "ICON_MY_DOCUMENTS",
    "ICON_PHONE_MODEM",
    "ICON_PRINTER",
    "ICON_RECYCLE",
    "ICON_UP_FOLDER",
    "ICON_VIEW",
};

int iconSize(int id) {
    if (id <= 0 || id >= kIconCount) return 0;
    return id <= kLastLayered || (id >= kFirstTextured && id < kFirstTextured + 16) ? 16 : 32;
}

std::vector<uint8_t> iconPixels(int id) {
    const int size = iconSize(id);
    if (size == 0) return {};
    const IconSet& set = iconSet();
    if (id > kLastRgb) return set.rgba[id];
    // The stored forms keep the bottom row first.
    std::vector<uint8_t> rgba(static_cast<size_t>(size) * size * 4, 0);
    if (id > kLastLayered) {
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const size_t i = static_cast<size_t>(y) * size + x;
                std::copy_n(&set.rgb[id][((size - 1 - y) * size + x) * 3], 3, &rgba[i * 4]);
                rgba[i * 4 + 3] = 255;
            }
        return rgba;
    }
    const LayeredIcon& icon = set.layered[id];
    for (int layer = 0; layer < icon.layers; ++layer)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                if (!(icon.masks[layer][(15 - y) * 2 + x / 8] & (0x80 >> (x % 8)))) continue;
                uint8_t* p = &rgba[(static_cast<size_t>(y) * 16 + x) * 4];
                const Colour c = icon.colours[layer];
                p[0] = c.r;
                p[1] = c.g;
                p[2] = c.b;
                p[3] = 255;
            }
    return rgba;
}

void createIconTextures() {
    if (texturesCreated) return;
    const IconSet& set = iconSet();
    GLint boundTexture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture);
    glGenTextures(kTextureCount, textures.data());
    for (int i = 0; i < kTextureCount; ++i) {
        const int id = kFirstTextured + i;
        const int size = iconSize(id);
        glBindTexture(GL_TEXTURE_2D, textures[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, size, size, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     set.rgba[id].data());
    }
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(boundTexture));
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    texturesCreated = true;
}

void releaseIconTextures() {
    if (!texturesCreated) return;
    glDeleteTextures(kTextureCount, textures.data());
    textures = {};
    texturesCreated = false;
}

void drawIcon(int id, int x, int y) {
    if (iconSize(id) == 0) return;
    if (id >= kFirstTextured) {
        drawTextured(id, x, y);
        return;
    }
    glPushAttrib(GL_CURRENT_BIT);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    if (id <= kLastLayered)
        drawLayers(iconSet().layered[id], x, y);
    else
        drawRgb(iconSet().rgb[id], x, y);
    glPopClientAttrib();
    glPopAttrib();
}

} // namespace ui
