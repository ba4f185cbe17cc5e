#include "scene_test_state.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "scene/node_manager.h"
#include "scene/scene_lua.h"
#include "script/script_calls.h"
#include "script/script_host.h"

namespace {

template <UpdateMode Mode> CNode* MakeTicker() { return new TestTicker(Mode); }

} // namespace

lua_State* SceneTestState() {
    static lua_State* state = [] {
        OpenInterpreter();
        lua_State* made = ScriptState();
        RegisterSceneLibraries();
        StartSceneGraph();
        RegisterScriptNodeType(101, "CTestTicker", MakeTicker<UpdateEveryFrame>);
        RegisterScriptNodeType(102, "CTestTicker60", MakeTicker<Update60Hz>);
        RegisterScriptNodeType(103, "CTestTicker30", MakeTicker<Update30Hz>);
        RegisterScriptNodeType(104, "CTestTicker15", MakeTicker<Update15Hz>);
        RegisterScriptNodeType(105, "CTestEmitter", MakeNode<TestEmitter>);
        return made;
    }();
    return state;
}

std::string RunChunk(const std::string& chunk) {
    lua_State* state = SceneTestState();
    testing::internal::CaptureStdout();
    RunString(state, chunk.c_str());
    fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

std::string Evaluate(const std::string& expressions) {
    std::string printed = RunChunk("print(" + expressions + ")");
    return printed.substr(0, printed.size() - 1);
}

std::vector<uint32_t>& DestroyedTestNodes() {
    static std::vector<uint32_t> ids;
    return ids;
}

TestTicker::TestTicker(UpdateMode mode) : IUpdate(mode) {
    all.push_back(this);
    IUpdate::Enable();
}

TestTicker::~TestTicker() {
    std::erase(all, this);
    DestroyedTestNodes().push_back(Id());
}

bool TestTicker::QueryInterface(int32_t interfaceId, void** out) {
    if (interfaceId == InterfaceUpdate) *out = static_cast<IUpdate*>(this);
    else if (interfaceId == InterfaceRender) *out = static_cast<IRender*>(this);
    else return false;
    return true;
}

void TestTicker::Update(float seconds) {
    char number[32];
    snprintf(number, sizeof number, "%g", seconds);
    log.push_back(Name() + " update " + number);
}

void TestTicker::Render() { log.push_back(Name() + " render"); }

void TestTicker::ResetAll() {
    for (TestTicker* ticker : std::vector<TestTicker*>(all)) {
        RetainNode(ticker); // a deleted ticker could be freed half-way
        if (ticker->IUpdate::Enabled()) ticker->IUpdate::Disable();
        ticker->IRender::Disable();
        DeleteNodeById(ticker->Id());
        ReleaseNode(ticker);
    }
    log.clear();
}

TestEmitter::TestEmitter() {
    attributes.Declare("Position", &position);
    attributes.Declare("Clip", &clip);
    attributes.Declare("Colour", &colour);
    attributes.Declare("Speed", &speed);
    attributes.Declare("Speed", &visible); // a second record under a name is refused
    attributes.Declare("Visible", &visible);
    attributes.Declare("Points", &points, AttributeType::VectorArray);
    attributes.Declare("Small", &small, AttributeType::Char);
    DeclareInput("Mesh", InterfaceMesh, &mesh);
    DeclareInput("Curve", InterfaceCurve, &curve);
}

TestEmitter::~TestEmitter() { DestroyedTestNodes().push_back(Id()); }

bool TestEmitter::QueryInterface(int32_t interfaceId, void** out) {
    if (interfaceId == InterfaceAttributes) *out = &attributes;
    else if (interfaceId == InterfaceEmitter) *out = static_cast<IEmitter*>(this);
    else if (interfaceId == InterfaceMesh)
        *out = &vertexCount;
    else return false;
    return true;
}
