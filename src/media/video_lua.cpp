// The Avi script library: argument marshalling around the video list.
#include "media/video_lua.h"

#include "media/video.h"
#include "script/script_args.h"
#include "script/script_host.h"

namespace {

// Truncated toward zero; anything out of range becomes 0 (and then 128).
int TruncatedSize(lua_State* state, int index) {
    double value = lua_tonumber(state, index);
    if (!(value > -1e9 && value < 1e9)) return 0;
    return static_cast<int>(value);
}

uint32_t IdArgument(int index) {
    return static_cast<uint32_t>(ScriptArgs::GetInt(index));
}

int AviOpen(lua_State* state) {
    int count = lua_gettop(state);
    if (count != 3 && count != 4) {
        return RaiseMessage(state, "ERROR: Avi.Open() - Incorrect number of arguments");
    }
    const char* path = lua_tostring(state, 1);
    int width = TruncatedSize(state, 2);
    int height = TruncatedSize(state, 3);
    bool loop = count == 4 && lua_toboolean(state, 4);
    lua_pushnumber(state, OpenVideo(path ? path : "", width, height, loop));
    return 1;
}

int AviDraw(lua_State* state) {
    if (!ScriptArgs::Begin(state, 5)) return 0;
    float x = static_cast<float>(ScriptArgs::GetDouble(0));
    float y = static_cast<float>(ScriptArgs::GetDouble(1));
    float w = static_cast<float>(ScriptArgs::GetDouble(2));
    float h = static_cast<float>(ScriptArgs::GetDouble(3));
    DrawVideo(x, y, w, h, IdArgument(4));
    return ScriptArgs::End();
}

// Applies an action to the video named by the only argument; unknown ids do nothing.
int ActOnVideo(lua_State* state, void (CAvi::*action)()) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    if (CAvi* video = FindVideo(IdArgument(0))) (video->*action)();
    return ScriptArgs::End();
}

int AviWidth(lua_State* state) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    CAvi* video = FindVideo(IdArgument(0));
    ScriptArgs::PushInt(state, video ? video->videoWidth : 0);
    return ScriptArgs::End();
}

int AviHeight(lua_State* state) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    CAvi* video = FindVideo(IdArgument(0));
    ScriptArgs::PushInt(state, video ? video->videoHeight : 0);
    return ScriptArgs::End();
}

int AviClose(lua_State* state) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    CloseVideo(IdArgument(0));
    return ScriptArgs::End();
}

int AviIsPlaying(lua_State* state) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    CAvi* video = FindVideo(IdArgument(0));
    ScriptArgs::PushBool(state, video && video->playing);
    return ScriptArgs::End();
}

int AviPlay(lua_State* state) {
    return ActOnVideo(state, &CAvi::Play);
}
int AviPause(lua_State* state) {
    return ActOnVideo(state, &CAvi::Pause);
}
int AviStop(lua_State* state) {
    return ActOnVideo(state, &CAvi::Stop);
}

const luaL_reg aviLibrary[] = {
    {"Open", AviOpen},   {"Draw", AviDraw},  {"Width", AviWidth},         {"Height", AviHeight},
    {"Close", AviClose}, {"Play", AviPlay},  {"IsPlaying", AviIsPlaying}, {"Pause", AviPause},
    {"Stop", AviStop},   {nullptr, nullptr},
};

} // namespace

void RegisterVideoLibrary() {
    RegisterLibrary("Avi", aviLibrary);
}
