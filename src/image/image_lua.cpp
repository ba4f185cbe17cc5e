// Script bindings of the image table.
#include "image/image_lua.h"

#include <cmath>
#include <cstdio>

#include "image/image_library.h"
#include "script/script_args.h"
#include "script/script_host.h"
#include "script/script_numbers.h"

namespace {

// The picture named by the number at stack index 1, or null.
const ImageRecord* ImageAtArgument(lua_State* state) {
    return Images().Find(WrapToUnsigned<uint16_t>(lua_tonumber(state, 1)));
}

// Truncated toward zero, then 0 <= coordinate < limit; negative, NaN and huge values fail.
bool CoordinateInRange(double number, uint32_t limit, uint32_t* coordinate) {
    double whole = std::trunc(number);
    if (!(whole >= 0 && whole < limit)) return false;
    *coordinate = static_cast<uint32_t>(whole);
    return true;
}

int ImageDrawFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 3)) return 0;
    bool drawn = ImageDraw(ScriptArgs::GetShort(0), ScriptArgs::GetInt(1), ScriptArgs::GetInt(2));
    ScriptArgs::PushInt(state, drawn ? 1 : 0);
    return ScriptArgs::End();
}

// A path must be a real string; nothing is opened for any other value.
int ImageLoadFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    uint16_t id = 0;
    if (lua_type(state, 1) == LUA_TSTRING)
        id = ImageLoad(lua_tostring(state, 1));
    else
        printf("[ERROR] ImageLoad needs a file name\n");
    ScriptArgs::PushInt(state, id);
    return ScriptArgs::End();
}

int ImageDeleteFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    ImageDelete(ScriptArgs::GetShort(0));
    return ScriptArgs::End();
}

int ImageDeleteAllFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 0)) return 0;
    ImageDeleteAll();
    return ScriptArgs::End();
}

// Always two results: 0, 0 for anything but one number naming an image.
int ImageGetSizeFunction(lua_State* state) {
    const ImageRecord* picture =
        lua_gettop(state) == 1 && lua_isnumber(state, 1) ? ImageAtArgument(state) : nullptr;
    lua_pushnumber(state, picture ? picture->width : 0);
    lua_pushnumber(state, picture ? picture->height : 0);
    return 2;
}

int ImageGetBitDepthFunction(lua_State* state) {
    const ImageRecord* picture =
        lua_gettop(state) == 1 && lua_isnumber(state, 1) ? ImageAtArgument(state) : nullptr;
    lua_pushnumber(state, picture ? picture->depth : 0);
    return 1;
}

// A table of the pixel's components (1 to depth), or no result at all.
int ImageGetPixelFunction(lua_State* state) {
    if (lua_gettop(state) != 3) return 0;
    for (int i = 1; i <= 3; ++i)
        if (!lua_isnumber(state, i)) return 0;
    const ImageRecord* picture = ImageAtArgument(state);
    uint32_t x = 0, y = 0;
    if (!picture || !CoordinateInRange(lua_tonumber(state, 2), picture->width, &x) ||
        !CoordinateInRange(lua_tonumber(state, 3), picture->height, &y))
        return 0;
    const size_t offset = (static_cast<size_t>(picture->width) * y + x) * picture->depth;
    lua_newtable(state);
    for (uint32_t c = 0; c < picture->depth; ++c) {
        lua_pushnumber(state, picture->pixels[offset + c]);
        lua_rawseti(state, -2, static_cast<int>(c + 1));
    }
    return 1;
}

} // namespace

void RegisterImageLibrary() {
    RegisterGlobalFunction("ImageDraw", ImageDrawFunction);
    RegisterGlobalFunction("ImageLoad", ImageLoadFunction);
    RegisterGlobalFunction("ImageDelete", ImageDeleteFunction);
    RegisterGlobalFunction("ImageDeleteAll", ImageDeleteAllFunction);
    RegisterGlobalFunction("ImageGetSize", ImageGetSizeFunction);
    RegisterGlobalFunction("ImageGetBitDepth", ImageGetBitDepthFunction);
    RegisterGlobalFunction("ImageGetPixel", ImageGetPixelFunction);
}
