// The Attr library on attributes that a node class publishes from its own
// fields (compounds and types scripts cannot create), in-process.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "scene/attr_lua.h"
#include "scene/node_manager.h"
#include "script/script_host.h"

namespace {

class CShapeNode : public CNode {
public:
    CShapeNode() {
        attributes.Declare("Position", &position);
        attributes.Declare("Clip", &clip);
        attributes.Declare("Colour", &colour);
        attributes.Declare("Speed", &speed);
        attributes.Declare("Visible", &visible);
        attributes.Declare("Count", &count);
        attributes.Declare("Points", &points, AttributeType::VectorArray);
        attributes.Declare("Small", &small, AttributeType::Char);
    }

    bool QueryInterface(int32_t interfaceId, void** out) override {
        if (interfaceId != InterfaceAttributes) return false;
        *out = &attributes;
        return true;
    }

    IAttributes attributes;
    XVector position;
    XPlane clip;
    XColour colour{0.25f, 0.5f, 0.75f, 1.0f};
    float speed = 0.0f;
    bool visible = false;
    int32_t count = 0;
    VectorArray points = VectorArray(2);
    int8_t small = 0;
};

class TestManager : public CNodeManager {
public:
    uint32_t CreateNode(int32_t) override { return 0; }
};

// Locate(address) gives the index and component that FindAttribute reports.
int Locate(lua_State* state) {
    int index, component;
    if (!FindAttribute(state, &index, &component)) return 0;
    lua_pushnumber(state, index);
    lua_pushnumber(state, component);
    return 2;
}

const char* kPrelude = R"(
_ALERT = function(message) print("ALERT: " .. message) end
function show(t)
  local s = {}
  for i, v in ipairs(t) do s[i] = tostring(v) end
  return "{" .. table.concat(s, ",") .. "}"
end
)";

class AttrFields : public testing::Test {
protected:
    void SetUp() override {
        shape.SetName("shape");
        manager.nodes[shape.Id()] = &shape;
        state = luaL_newstate();
        OpenStandardLibraries(state);
        RegisterAttrLibrary(state);
        lua_register(state, "Locate", Locate);
        RunString(state, kPrelude);
        lua_pushnumber(state, shape.Id());
        lua_setglobal(state, "shapeId");
    }
    void TearDown() override { lua_close(state); }

    // What the script writes to standard output.
    std::string Run(const char* script) {
        testing::internal::CaptureStdout();
        RunString(state, script);
        fflush(stdout);
        return testing::internal::GetCapturedStdout();
    }

    TestManager manager;
    CShapeNode shape;
    lua_State* state = nullptr;
};

TEST_F(AttrFields, LocatorReportsIndexAndComponent) {
    EXPECT_EQ(Run(R"(
print(Locate({"shape", "Colour", "g"}))
print(Locate({"shape", "Colour", "q"}))
print(Locate({"shape", "Clip", "d"}))
print(Locate({"shape", "Position", "w"}))
print(Locate({"shape", "Points", 1, "y"}))
print(Locate({"shape", "Points", "1", "q"}))
print(Locate({"shape", "Colour", 2, "g"}))
print(Locate({"shape", "Points", "x"}))
print(Locate("shape.Points[ 1 ]"))
print(Locate({shapeId, "Speed", 2.9}))
print(Locate({"shape", "Speed", -7}))
)"),
              "1\t-1\n"
              "-1\t-1\n"
              "3\t-1\n"
              "3\t-1\n"
              "1\t1\n"
              "1\t-1\n"
              "[ERROR] Attribute is not a compound attribute type\n2\t-1\n"
              "[ERROR] Attribute is not a compound attribute type\n-1\t-1\n"
              "1\t-1\n"
              "2\t-1\n"
              "-7\t-1\n");
}

TEST_F(AttrFields, CompoundsWholeAndByComponent) {
    EXPECT_EQ(Run(R"(
print(show(Attr.Get("shape.Position")))
Attr.Set("shape.Position", 1, 2, 3) print(show(Attr.Get("shape.Position")))
Attr.Set("shape.Position", {5, 6, 7, 8, 9}) print(show(Attr.Get("shape.Position")))
Attr.Set("shape.Position", {"a"}) print(show(Attr.Get("shape.Position")))
Attr.Set("shape.Position", 1, "x") print(show(Attr.Get("shape.Position")))
Attr.Set({"shape", "Colour", "a"}, 0.5) print(show(Attr.Get("shape.Colour")))
print(Attr.Get({"shape", "Colour", "g"}), Attr.Get("shape.Colour[2]"), show(Attr.Get({"shape", "Colour", "q"})))
print(select("#", Attr.Get({"shape", "Colour", 7})))
Attr.Set({"shape", "Colour", "r"}, "x")
Attr.Set({"shape", "Colour", 9}, 1)
Attr.Set("shape.Clip", 1, 2) print(show(Attr.Get("shape.Clip")), Attr.Get({"shape", "Clip", "b"}))
print(Attr.Type("shape.Position"), Attr.Type("shape.Clip"), Attr.Type("shape.Colour"),
      Attr.Size("shape.Colour"), Attr.IsArray("shape.Colour"))
)"),
              "{0,0,0,1}\n"
              "{1,2,3,1}\n"
              "{5,6,7,8}\n"
              "{0,6,7,8}\n"
              "{1,0,7,8}\n"
              "{0.25,0.5,0.75,0.5}\n"
              "0.5\t0.75\t{0.25,0.5,0.75,0.5}\n"
              "[ERROR] Trying to access out of range element on attribute\n0\n"
              "[ERROR] Attr.Set - incorrect data type for compound attribute\n"
              "{1,2,0,0}\t2\n"
              "XVector\tXPlane\tXColour\t1\tfalse\n");
    EXPECT_EQ(shape.position.x, 1.0f);
    EXPECT_EQ(shape.position.w, 8.0f);
    EXPECT_EQ(shape.colour.a, 0.5f);
    EXPECT_EQ(shape.colour.r, 0.25f);
}

TEST_F(AttrFields, ScriptsReachTheNodeFieldsAndLeaveThemOnDelete) {
    EXPECT_EQ(Run(R"(
Attr.Set("shape.Speed", 2) Attr.Set("shape.Visible", 1) Attr.Set("shape.Count", 7.9)
print(Attr.Type("shape.Points"), Attr.Size("shape.Points"), Attr.IsArray("shape.Points"), Attr.Type("shape.Small"))
Attr.Resize("shape.Points", 3)
Attr.Set("shape.Points", {1})
print(Attr.Size("shape.Points"))
print(pcall(Attr.Get, "shape.Points"))
print(pcall(Attr.Get, "shape.Small"))
Attr.Delete("shape.Speed")
print(table.concat(Attr.List("shape"), " "))
Attr.Get("shape.Speed")
)"),
              "vector<XVector>\t2\ttrue\tchar\n"
              "3\n"
              "false\t[ERROR] Unknown attribute type!\n\n"
              "false\t[ERROR] Unknown attribute type!\n\n"
              "Clip Colour Count Points Position Small Visible\n"
              "[ERROR] Unknown Attribute name\n");
    EXPECT_EQ(shape.speed, 2.0f);
    EXPECT_TRUE(shape.visible);
    EXPECT_EQ(shape.count, 7);
    ASSERT_EQ(shape.points.size(), 3u);
    EXPECT_EQ(shape.points[2].w, 1.0f);
}

} // namespace
