// Shared by the scene tests: one in-process interpreter with the real
// registration plus node classes of the tests' own, and the script runner.
#pragma once

#include <string>
#include <vector>

#include "scene/attributes.h"
#include "scene/emitter_interface.h"
#include "scene/node.h"
#include "scene/scheduler.h"
#include "script/lua_api.h"

lua_State* SceneTestState();
// Runs a chunk and returns what it printed.
std::string RunChunk(const std::string& chunk);
// The values of script expressions as print shows them, without the line break.
std::string Evaluate(const std::string& expressions);
// The ids of the test nodes below that have been destroyed, in that order.
std::vector<uint32_t>& DestroyedTestNodes();

// Registered as CTestTicker (every frame), CTestTicker60, CTestTicker30 and
// CTestTicker15. Enables its update on construction and logs its calls as
// "name update seconds" and "name render".
class TestTicker : public CNode, public IUpdate, public IRender {
public:
    explicit TestTicker(UpdateMode mode);
    ~TestTicker() override;
    bool QueryInterface(int32_t interfaceId, void** out) override;
    void Update(float seconds) override;
    void Render() override;
    // Disables every live ticker and deletes it; clears the log.
    static void ResetAll();
    inline static std::vector<std::string> log;

private:
    inline static std::vector<TestTicker*> all;
};

// CTestEmitter: an emitter (8) publishing its fields as attributes (1); it
// answers the mesh interface (5) with `vertexCount` and has the inputs
// "Mesh" (5) and "Curve" (7).
class TestEmitter : public CNode, public IEmitter {
public:
    TestEmitter();
    ~TestEmitter() override;
    bool QueryInterface(int32_t interfaceId, void** out) override;
    XVector& Position() override { return position; }

    IAttributes attributes;
    XVector position{0.0f, 2.0f, 0.0f};
    XPlane clip;
    XColour colour{0.25f, 0.5f, 0.75f, 1.0f};
    float speed = 0.0f;
    bool visible = false;
    VectorArray points = VectorArray(2);
    int8_t small = 0;
    int vertexCount = 0;
    int* mesh = nullptr;
    void* curve = nullptr;
};
