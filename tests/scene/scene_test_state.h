// In-process scene graph for the tests of this binary: one interpreter with the
// real registration, made on first use, and small node classes of the tests' own.
#pragma once

#include <string>
#include <vector>

#include "scene/emitter_interface.h"
#include "scene/node.h"
#include "scene/scheduler.h"
#include "script/lua_api.h"

// Type ids the tests register beside the real ones.
enum TestNodeType : int32_t {
    TestTickerType = 101,    // "CTestTicker"
    TestEmitterType = 102,   // "CTestEmitter"
    TestConsumerType = 103,  // "CTestConsumer"
    TestMeshType = 104,      // "CTestMesh"
};

lua_State* SceneTestState();
// The value of a script expression as text ("nil" for nil); script errors as
// "error: <message>".
std::string Evaluate(const std::string& expression);
void RunChunk(const std::string& chunk);

// Updates every frame; records its calls in Log().
class TestTicker : public CNode, public IUpdate, public IRender {
public:
    TestTicker() { IUpdate::Enable(); }
    bool QueryInterface(int32_t interfaceId, void** out) override;
    void Update(float seconds) override;
    void Render() override;
    static std::vector<std::string>& Log();
};

class TestEmitter : public CNode, public IEmitter {
public:
    bool QueryInterface(int32_t interfaceId, void** out) override;
    XVector& Position() override { return position; }
    XVector position{0.0f, 2.0f, 0.0f, 1.0f};
};

struct TestMeshData {
    int vertexCount = 0;
};

// Answers the mesh interface (5) only.
class TestMesh : public CNode {
public:
    bool QueryInterface(int32_t interfaceId, void** out) override;
    TestMeshData data;
};

// Inputs "Mesh" (interface 5) and "Curve" (interface 7).
class TestConsumer : public CNode {
public:
    TestConsumer();
    TestMeshData* mesh = nullptr;
    void* curve = nullptr;
};
