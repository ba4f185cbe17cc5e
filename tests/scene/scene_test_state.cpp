#include "scene_test_state.h"

#include <cstdio>

#include "scene/node_manager.h"
#include "scene/scene_graph.h"
#include "script/script_host.h"

lua_State* SceneTestState() {
    static lua_State* state = [] {
        lua_State* made = luaL_newstate();
        OpenStandardLibraries(made);
        SetScriptState(made);
        RegisterSceneGraph(made);
        RegisterNodeType(TestTickerType, "CTestTicker", MakeNode<TestTicker>, made);
        RegisterNodeType(TestEmitterType, "CTestEmitter", MakeNode<TestEmitter>, made);
        RegisterNodeType(TestConsumerType, "CTestConsumer", MakeNode<TestConsumer>, made);
        RegisterNodeType(TestMeshType, "CTestMesh", MakeNode<TestMesh>, made);
        return made;
    }();
    return state;
}

std::string Evaluate(const std::string& expression) {
    lua_State* state = SceneTestState();
    std::string chunk = "return " + expression;
    std::string result;
    if (luaL_loadstring(state, chunk.c_str()) || lua_pcall(state, 0, 1, 0)) {
        const char* message = lua_tostring(state, -1);
        result = std::string("error: ") + (message ? message : "?");
    } else {
        lua_getglobal(state, "tostring");
        lua_insert(state, -2);
        lua_call(state, 1, 1);
        result = lua_tostring(state, -1);
    }
    lua_pop(state, 1);
    return result;
}

void RunChunk(const std::string& chunk) { RunString(SceneTestState(), chunk.c_str()); }

bool TestTicker::QueryInterface(int32_t interfaceId, void** out) {
    if (interfaceId == InterfaceUpdate) *out = static_cast<IUpdate*>(this);
    else if (interfaceId == InterfaceRender) *out = static_cast<IRender*>(this);
    else return false;
    return true;
}

void TestTicker::Update(float seconds) {
    char line[64];
    snprintf(line, sizeof line, "%u update %g", Id(), seconds);
    Log().push_back(line);
}

void TestTicker::Render() { Log().push_back(std::to_string(Id()) + " render"); }

std::vector<std::string>& TestTicker::Log() {
    static std::vector<std::string> log;
    return log;
}

bool TestEmitter::QueryInterface(int32_t interfaceId, void** out) {
    if (interfaceId != InterfaceEmitter) return false;
    *out = static_cast<IEmitter*>(this);
    return true;
}

bool TestMesh::QueryInterface(int32_t interfaceId, void** out) {
    if (interfaceId != InterfaceMesh) return false;
    *out = &data;
    return true;
}

TestConsumer::TestConsumer() {
    DeclareInput("Mesh", InterfaceMesh, &mesh);
    DeclareInput("Curve", InterfaceCurve, &curve);
}
