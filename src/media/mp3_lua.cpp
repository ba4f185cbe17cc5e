#include "media/mp3_lua.h"

#include "media/sound_library.h"
#include "script/script_args.h"
#include "script/script_host.h"

namespace {

using namespace ScriptArgs;

int Mp3IsPlaying(lua_State* L) {
    lua_pushboolean(L, StreamIsPlaying());
    return 1;
}

int Mp3Pause(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    PushInt(L, PauseStream(GetByte(0) != 0));
    return End();
}

int Mp3Play(lua_State* L) {
    if (lua_gettop(L) != 1 || !lua_isstring(L, 1)) {
        return RaiseMessage(L, "[ERROR] Mp3Play requires a string argument!");
    }
    lua_pushboolean(L, PlayStream(lua_tostring(L, 1)));
    return 1;
}

int Mp3Spectrum(lua_State* L) {
    const float* spectrum = StreamSpectrum();
    lua_newtable(L);
    if (!spectrum) return 1;
    for (int i = 0; i < SoundDevice::kSpectrumSize; ++i) {
        lua_pushnumber(L, spectrum[i]);
        lua_rawseti(L, -2, i + 1);
    }
    return 1;
}

int Mp3Stop(lua_State* L) {
    if (!Begin(L, 0)) return 0;
    PushInt(L, CloseStream());
    return End();
}

int Mp3Volume(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    PushInt(L, SetStreamVolume(GetDouble(0)));
    return End();
}

const luaL_reg kMp3Functions[] = {
    {"IsPlaying", Mp3IsPlaying},
    {"Pause", Mp3Pause},
    {"Play", Mp3Play},
    {"Spectrum", Mp3Spectrum},
    {"Stop", Mp3Stop},
    {"Volume", Mp3Volume},
    {nullptr, nullptr},
};

} // namespace

void RegisterMp3Library() { RegisterLibrary("Mp3", kMp3Functions); }
