// scriptdesk-run with test entry points that stand in for the script library
// of the toolkit: scripts create windows and read where they are.
#include "app/runner.h"
#include "script/script_args.h"
#include "script/script_host.h"
#include "ui/control.h"
#include "ui/control_types.h"

namespace {

// TestWindow(name, title, x, y, width, height)
int TestWindow(lua_State* state) {
    if (!ScriptArgs::Begin(state, 6)) return 0;
    ui::Control* window = ui::createControl(ui::LUI_WINDOW, ScriptArgs::GetString(0));
    ui::setLabel(window, ScriptArgs::GetString(1) ? ScriptArgs::GetString(1) : "");
    ui::setPosition(window, ScriptArgs::GetInt(2), ScriptArgs::GetInt(3));
    ui::setSize(window, ScriptArgs::GetInt(4), ScriptArgs::GetInt(5));
    return ScriptArgs::End();
}

// TestWindowState(name) -> x, y, width, height, or nothing once it is gone.
int TestWindowState(lua_State* state) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    if (ui::Control* window = ui::findControl(ScriptArgs::GetString(0))) {
        ScriptArgs::PushInt(state, window->x);
        ScriptArgs::PushInt(state, window->y);
        ScriptArgs::PushInt(state, window->width);
        ScriptArgs::PushInt(state, window->height);
    }
    return ScriptArgs::End();
}

void RegisterTestEntryPoints(lua_State*) {
    RegisterGlobalFunction("TestWindow", TestWindow);
    RegisterGlobalFunction("TestWindowState", TestWindowState);
}

} // namespace

int main(int argc, char** argv) {
    auto options = ParseRunnerArguments(argc, argv);
    if (!options) return 2;
    int glutArgc = 1;
    RunAutomation(*options, &glutArgc, argv, RegisterTestEntryPoints);
}
