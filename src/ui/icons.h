// The toolkit's icon set: 96 ids in four storage forms (layered one-bit
// masks, RGB pixels, small and large RGBA textures).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace ui {

enum IconId : int {
    ICON_NONE = 0,
    ICON_CLOSE,
    ICON_MAXIMISE,
    ICON_RESTORE,
    ICON_MINIMISE,
    ICON_CUT,
    ICON_SAVE,
    ICON_SAVEALL,
    ICON_OPEN,
    ICON_NEW,
    ICON_PRINT,
    ICON_PRINT_PREVIEW,
    ICON_FULLSCREEN,
    ICON_CHECKBOX0,
    ICON_CHECKBOX1,
    ICON_COPY,
    ICON_PASTE,
    ICON_TRASH_SMALL,
    ICON_CAMERA,
    ICON_CAMERA_DOLLY,
    ICON_CAMERA_PAN,
    ICON_CAMERA_ROLL,
    ICON_CAMERA_TRACK,
    ICON_CAMERA_TUMBLE,
    ICON_CAMERA_YAWPITCH,
    ICON_GROUP,
    ICON_IK_JOINT,
    ICON_IK_HANDLE,
    ICON_LIGHT_AMBIENT,
    ICON_LIGHT_AREA,
    ICON_LIGHT_DIRECTIONAL,
    ICON_LIGHT_POINT,
    ICON_LIGHT_SPOT,
    ICON_LOCATOR,
    ICON_MATERIAL_ANISTROPIC,
    ICON_MATERIAL_BLINN,
    ICON_MATERIAL_LAMBERT,
    ICON_MATERIAL_PHONG,
    ICON_NURBS_CONE,
    ICON_NURBS_CUBE,
    ICON_NURBS_CYLINDER,
    ICON_NURBS_PLANE,
    ICON_NURBS_SPHERE,
    ICON_NURBS_TORUS,
    ICON_POLY_CONE,
    ICON_POLY_CUBE,
    ICON_POLY_CYLINDER,
    ICON_POLY_PLANE,
    ICON_POLY_QUAD,
    ICON_POLY_SPHERE,
    ICON_POLY_TORUS,
    ICON_REDO,
    ICON_TEXTURE_MOVIE,
    ICON_TEXTURE_RAMP,
    ICON_TOOL_CURVE_CV,
    ICON_TOOL_CURVE_EP,
    ICON_TOOL_LASSO_SELECT,
    ICON_TOOL_MOVE,
    ICON_TOOL_ROTATE,
    ICON_TOOL_SCALE,
    ICON_TOOL_SELECT,
    ICON_TOOL_TEXT,
    ICON_TRASH,
    ICON_UNDO,
    ICON_SMALL_ARROW_DOWN,
    ICON_SMALL_ARROW_UP,
    ICON_SMALL_ARROW_LEFT,
    ICON_SMALL_ARROW_RIGHT,
    ICON_SMALL_CDROM,
    ICON_SMALL_CONTROL_PANEL,
    ICON_SMALL_DELETE,
    ICON_SMALL_DESKTOP,
    ICON_SMALL_EMAIL,
    ICON_SMALL_FLOPPY,
    ICON_SMALL_FOLDER,
    ICON_SMALL_MOVE_FOLDER,
    ICON_SMALL_MY_COMPUTER,
    ICON_SMALL_MY_DOCUMENTS,
    ICON_SMALL_NETWORK_NEIGHBOURHOOD,
    ICON_SMALL_RECYCLE,
    ICON_BACK,
    ICON_CAMERA_SCANNER,
    ICON_FOLDER,
    ICON_FOLDERS,
    ICON_FORWARD,
    ICON_JOYPAD,
    ICON_KEYBOARD,
    ICON_MAGNIFY,
    ICON_MOUSE,
    ICON_MY_COMPUTER,
    ICON_MY_DOCUMENTS,
    ICON_PHONE_MODEM,
    ICON_PRINTER,
    ICON_RECYCLE,
    ICON_UP_FOLDER,
    ICON_VIEW,
};
constexpr int kIconCount = 96;

// "ICON_NONE" ... "ICON_VIEW", by id.
extern const std::array<const char*, kIconCount> kIconNames;

// 0 for id 0 and unknown ids, 16 for 1-17 and 64-79, 32 for the others.
int iconSize(int id);

// The icon as RGBA pixels (size x size, top row first, alpha 0 where it is
// transparent); empty for id 0 and unknown ids. Needs no GL.
std::vector<uint8_t> iconPixels(int id);

// Uploads the RGBA icons as textures; call once with a GL context before
// any control draws.
void createIconTextures();
void releaseIconTextures();

// Draws the icon with its lower-left corner at (x, y); ids 0 and above 95
// draw nothing.
void drawIcon(int id, int x, int y);

} // namespace ui
