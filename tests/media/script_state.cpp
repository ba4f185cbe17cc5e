#include "script_state.h"

#include <gtest/gtest.h>

#include "script/script_host.h"

std::string RunCapturing(lua_State* state, const std::string& text) {
    testing::internal::CaptureStdout();
    RunString(state, text.c_str());
    return testing::internal::GetCapturedStdout();
}

std::string Evaluate(lua_State* state, const std::string& expression) {
    RunString(state, ("result = tostring(" + expression + ")").c_str());
    lua_getglobal(state, "result");
    std::string text = lua_isstring(state, -1) ? lua_tostring(state, -1) : "(error)";
    lua_pop(state, 1);
    RunString(state, "result = nil");
    return text;
}
