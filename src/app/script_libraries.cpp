#include "app/script_libraries.h"

#include "app/runner_lua.h"
#include "app/shell_lua.h"
#include "image/drawing_lua.h"
#include "image/image_lua.h"
#include "media/mp3_lua.h"
#include "media/sound_lua.h"
#include "media/video_lua.h"
#include "scene/scene_lua.h"
#include "script/script_host.h"
#include "ui/lui_lua.h"

void RegisterScriptLibraries() {
    RegisterGlobalFunction("SetBackgroundImage", SetBackgroundImage);
    RegisterGlobalFunction("FrameTime", FrameTimeFunction);
    RegisterVideoLibrary();
    RegisterMp3Library();
    RegisterSoundLibrary();
    RegisterImageLibrary();
    RegisterLuiLibrary();
    RegisterDrawingLibrary();
    RegisterSceneLibraries();
}

void RegisterAutomationLibraries() { RegisterRunnerLibrary(); }
