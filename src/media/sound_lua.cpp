#include "media/sound_lua.h"

#include <cmath>

#include "media/sound.h"
#include "media/sound_library.h"
#include "script/script_args.h"
#include "script/script_host.h"

namespace {

using namespace ScriptArgs;

// A channel read straight from the stack; what no channel can be reads as -1.
int32_t ChannelFromNumber(double value) {
    if (!std::isfinite(value) || value < -2147483648.0 || value >= 2147483648.0) return -1;
    return static_cast<int32_t>(value);
}

int SoundDelete(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    DeleteSample(GetShort(0));
    return End();
}

int SoundDeleteAll(lua_State* L) {
    if (!Begin(L, 0)) return 0;
    DeleteAllSamples();
    return End();
}

int SoundGetFrequency(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    PushInt(L, GetChannelFrequency(GetInt(0)));
    return End();
}

int SoundGetPan(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    PushFloat(L, GetChannelPan(GetInt(0)));
    return End();
}

int SoundGetVolume(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    PushFloat(L, GetChannelVolume(GetInt(0)));
    return End();
}

int SoundIsPlaying(lua_State* L) {
    if (lua_gettop(L) != 1 || !lua_isnumber(L, 1)) {
        return RaiseMessage(L, "[ERROR] SoundIsPlaying requires a sound channel as an argument!");
    }
    lua_pushboolean(L, IsChannelPlaying(ChannelFromNumber(lua_tonumber(L, 1))));
    return 1;
}

int SoundLoad(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    PushInt(L, LoadSample(GetString(0)));
    return End();
}

int SoundPlay(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    PushInt(L, PlaySample(GetShort(0), false));
    return End();
}

int SoundPlayLooping(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    PushInt(L, PlaySample(GetShort(0), true));
    return End();
}

int SoundPause(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    PauseChannel(GetInt(0));
    return End();
}

int SoundPauseAll(lua_State* L) {
    if (!Begin(L, 0)) return 0;
    for (int32_t channel = 0; channel < 512; ++channel) PauseChannel(channel);
    return End();
}

int SoundSetFrequency(lua_State* L) {
    if (!Begin(L, 2)) return 0;
    SetChannelFrequency(GetInt(0), GetInt(1));
    return End();
}

int SoundSetPan(lua_State* L) {
    if (!Begin(L, 2)) return 0;
    SetChannelPan(GetInt(0), GetDouble(1));
    return End();
}

int SoundSetVolume(lua_State* L) {
    if (!Begin(L, 2)) return 0;
    SetChannelVolume(GetInt(0), GetDouble(1));
    return End();
}

int SoundStop(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    StopChannel(GetInt(0));
    return End();
}

int SoundStopAll(lua_State* L) {
    if (!Begin(L, 0)) return 0;
    for (int32_t channel = 0; channel < 64; ++channel) StopChannel(channel);
    return End();
}

int SoundUnPause(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    UnPauseChannel(GetInt(0));
    return End();
}

int SoundUnPauseAll(lua_State* L) {
    if (!Begin(L, 0)) return 0;
    for (int32_t channel = 0; channel < 512; ++channel) UnPauseChannel(channel);
    return End();
}

int SoundSetDistanceFactor(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    SoundDevice::SetDistanceFactor(static_cast<float>(GetDouble(0)));
    return End();
}

int SoundSetDopplerFactor(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    SoundDevice::SetDopplerFactor(static_cast<float>(GetDouble(0)));
    return End();
}

int SoundSetRollOffFactor(lua_State* L) {
    if (!Begin(L, 1)) return 0;
    SoundDevice::SetRolloffFactor(static_cast<float>(GetDouble(0)));
    return End();
}

int SoundSetPosition(lua_State* L) {
    SetChannelPosition(ChannelFromNumber(lua_tonumber(L, 1)), static_cast<float>(lua_tonumber(L, 2)),
                       static_cast<float>(lua_tonumber(L, 3)), static_cast<float>(lua_tonumber(L, 4)));
    return 0;
}

const luaL_reg kSoundFunctions[] = {
    {"Delete", SoundDelete},
    {"DeleteAll", SoundDeleteAll},
    {"GetFrequency", SoundGetFrequency},
    {"GetPan", SoundGetPan},
    {"GetVolume", SoundGetVolume},
    {"IsPlaying", SoundIsPlaying},
    {"Load", SoundLoad},
    {"Play", SoundPlay},
    {"PlayLooping", SoundPlayLooping},
    {"Pause", SoundPause},
    {"PauseAll", SoundPauseAll},
    {"SetFrequency", SoundSetFrequency},
    {"SetPan", SoundSetPan},
    {"SetVolume", SoundSetVolume},
    {"Stop", SoundStop},
    {"StopAll", SoundStopAll},
    {"UnPause", SoundUnPause},
    {"UnPauseAll", SoundUnPauseAll},
    {"SetDistanceFactor", SoundSetDistanceFactor},
    {"SetDopplerFactor", SoundSetDopplerFactor},
    {"SetRollOffFactor", SoundSetRollOffFactor},
    {"SetPosition", SoundSetPosition},
    {nullptr, nullptr},
};

} // namespace

void RegisterSoundLibrary() { RegisterLibrary("Sound", kSoundFunctions); }
