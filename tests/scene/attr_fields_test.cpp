// The Attr library on attributes a node class publishes from its own fields:
// compounds, and types scripts cannot create.
#include <gtest/gtest.h>

#include "scene/attr_lua.h"
#include "scene/node_manager.h"
#include "scene_test_state.h"

namespace {

// Locate(address) gives the index and component that FindAttribute reports.
int Locate(lua_State* state) {
    int index, component;
    if (!FindAttribute(state, &index, &component)) return 0;
    lua_pushnumber(state, index);
    lua_pushnumber(state, component);
    return 2;
}

} // namespace

TEST(AttrFields, LocatedReadAndWrittenByScripts) {
    lua_register(SceneTestState(), "Locate", Locate);
    RunChunk("shapeId = Node.Create(CTestEmitter, 'shape')");
    auto* shape = static_cast<TestEmitter*>(FindNodeByName("shape"));
    EXPECT_EQ(RunChunk(R"(
function show(t) return table.concat(t, ",") end
function at(address) return table.concat({Locate(address)}, "/") end
print(at({"shape", "Colour", "g"}), at({"shape", "Colour", "q"}), at({"shape", "Clip", "d"}))
print(at({"shape", "Position", "w"}), at({"shape", "Points", 1, "y"}), at({"shape", "Points", "1", "q"}))
print(at({"shape", "Colour", 2, "g"}), at({"shape", "Points", "x"}))
print(at("shape.Points[ 1 ]"), at({shapeId, "Speed", 2.9}), at({"shape", "Speed", -7}))

print(show(Attr.Get("shape.Position")))
Attr.Set("shape.Position", 1, 2, 3) print(show(Attr.Get("shape.Position")))
Attr.Set("shape.Position", {5, 6, 7, 8, 9}) print(show(Attr.Get("shape.Position")))
Attr.Set("shape.Position", {"a"}) Attr.Set("shape.Position", 1, "x") print(show(Attr.Get("shape.Position")))
Attr.Set({"shape", "Colour", "a"}, 0.5) print(show(Attr.Get({"shape", "Colour", "q"})))
print(Attr.Get({"shape", "Colour", "g"}), Attr.Get("shape.Colour[2]"), select("#", Attr.Get({"shape", "Colour", 7})))
Attr.Set({"shape", "Colour", "r"}, "x")
Attr.Set({"shape", "Colour", 9}, 1)
Attr.Set("shape.Clip", 1, 2) print(show(Attr.Get("shape.Clip")), Attr.Get({"shape", "Clip", "b"}))
print(Attr.Type("shape.Position"), Attr.Type("shape.Clip"), Attr.Type("shape.Colour"), Attr.Size("shape.Colour"))
EmitterSetPosition(shapeId, 1.5, 'x', -3)
print(show(Attr.Get("shape.Position")), EmitterGetPosition("shape"))
print(select(2, pcall(EmitterGetPosition, "nobody")), select(2, pcall(EmitterSetPosition, "nobody", 1, 2, 3)))

Attr.Set("shape.Speed", 2) Attr.Set("shape.Visible", 1)
print(Attr.Type("shape.Speed"), Attr.Type("shape.Points"), Attr.Size("shape.Points"), Attr.Type("shape.Small"))
Attr.Resize("shape.Points", 3)
Attr.Set("shape.Points", {1})
print(Attr.Size("shape.Points"), select(2, pcall(Attr.Get, "shape.Points")), select(2, pcall(Attr.Get, "shape.Small")))
Attr.Delete("shape.Speed")
print(table.concat(Attr.List("shape"), " "))
)"),
              "1/-1\t-1/-1\t3/-1\n"
              "3/-1\t1/1\t1/-1\n[ERROR] Attribute is not a compound attribute type\n"
              "[ERROR] Attribute is not a compound attribute type\n2/-1\t-1/-1\n1/-1\t2/-1\t-7/-1\n"
              "0,2,0,1\n1,2,3,1\n5,6,7,8\n1,0,7,8\n0.25,0.5,0.75,0.5\n"
              "[ERROR] Trying to access out of range element on attribute\n0.5\t0.75\t0\n"
              "[ERROR] Attr.Set - incorrect data type for compound attribute\n1,2,0,0\t2\n"
              "XVector\tXPlane\tXColour\t1\n1.5,0,-3,8\t1.5\t0\t-3\n"
              "nobody\t3\n" // the error value is the last argument
              "float\tvector<XVector>\t2\tchar\n"
              "3\t[ERROR] Unknown attribute type!\n\t[ERROR] Unknown attribute type!\n\n"
              "Clip Colour Points Position Small Visible\n");
    EXPECT_EQ(shape->colour.r, 0.25f);
    EXPECT_EQ(shape->speed, 2.0f); // the field outlives its record
    EXPECT_TRUE(shape->visible);
    ASSERT_EQ(shape->points.size(), 3u);
    EXPECT_EQ(shape->points[2].w, 1.0f);
}
