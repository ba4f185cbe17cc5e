#include "ui/lui_dialogs_lua.h"

#include "platform/native_dialogs.h"
#include "script/script_host.h"

namespace {

int PushChosenPath(lua_State* L, platform::FileDialogKind kind) {
    std::optional<std::string> path = platform::RunFileDialog(kind);
    if (path)
        lua_pushlstring(L, path->data(), path->size());
    else
        lua_pushnil(L);
    return 1;
}

int OpenFileDialog(lua_State* L) {
    return PushChosenPath(L, platform::FileDialogKind::Open);
}
int SaveFileDialog(lua_State* L) {
    return PushChosenPath(L, platform::FileDialogKind::Save);
}

} // namespace

void RegisterNativeDialogFunctions() {
    RegisterGlobalFunction("OpenFileDialog", OpenFileDialog);
    RegisterGlobalFunction("SaveFileDialog", SaveFileDialog);
}
