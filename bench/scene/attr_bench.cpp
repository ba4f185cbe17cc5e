// Attr.Get and Attr.Set calls per second from scripts, on a float and on one
// element of a vector<float>, by path string and by table address.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "scene/node_manager.h"
#include "scene/scene_lua.h"
#include "script/script_calls.h"
#include "script/script_host.h"

namespace {

constexpr int kCallsPerRun = 1000;

lua_State* BenchState() {
    static lua_State* state = [] {
        OpenInterpreter();
        lua_State* made = ScriptState();
        RegisterSceneLibraries();
        StartSceneGraph();
        RunString(made, R"(
Node.Create(CAttributes, "n")
Attr.Add("n", "Rate", "float")
Attr.Add("n", "Points", "vector<float>")
local points = {}
for i = 1, 100 do points[i] = i end
Attr.Set("n.Points", points)
rateAddress = {"n", "Rate"}
pointAddress = {"n", "Points", 50}
)");
        return made;
    }();
    return state;
}

// Runs `call` kCallsPerRun times per benchmark iteration inside one script loop.
void RunCalls(benchmark::State& bench, const char* call) {
    lua_State* state = BenchState();
    std::string chunk = "return function() for i = 1, " + std::to_string(kCallsPerRun) +
                        " do " + call + " end end";
    if (luaL_loadstring(state, chunk.c_str()) != 0 || lua_pcall(state, 0, 1, 0) != 0) {
        bench.SkipWithError(lua_tostring(state, -1));
        lua_settop(state, 0);
        return;
    }
    int loop = luaL_ref(state, LUA_REGISTRYINDEX);
    for (auto _ : bench) {
        lua_rawgeti(state, LUA_REGISTRYINDEX, loop);
        if (lua_pcall(state, 0, 0, 0) != 0) {
            bench.SkipWithError(lua_tostring(state, -1));
            break;
        }
    }
    luaL_unref(state, LUA_REGISTRYINDEX, loop);
    lua_settop(state, 0);
    bench.SetItemsProcessed(bench.iterations() * kCallsPerRun);
}

void BM_GetFloatByPath(benchmark::State& bench) { RunCalls(bench, "local v = Attr.Get('n.Rate')"); }
void BM_SetFloatByPath(benchmark::State& bench) { RunCalls(bench, "Attr.Set('n.Rate', i)"); }
void BM_GetFloatByTable(benchmark::State& bench) { RunCalls(bench, "local v = Attr.Get(rateAddress)"); }
void BM_SetFloatByTable(benchmark::State& bench) { RunCalls(bench, "Attr.Set(rateAddress, i)"); }
void BM_GetElementByPath(benchmark::State& bench) {
    RunCalls(bench, "local v = Attr.Get('n.Points[50]')");
}
void BM_SetElementByPath(benchmark::State& bench) { RunCalls(bench, "Attr.Set('n.Points[50]', i)"); }
void BM_GetElementByTable(benchmark::State& bench) {
    RunCalls(bench, "local v = Attr.Get(pointAddress)");
}
void BM_SetElementByTable(benchmark::State& bench) { RunCalls(bench, "Attr.Set(pointAddress, i)"); }

BENCHMARK(BM_GetFloatByPath);
BENCHMARK(BM_SetFloatByPath);
BENCHMARK(BM_GetFloatByTable);
BENCHMARK(BM_SetFloatByTable);
BENCHMARK(BM_GetElementByPath);
BENCHMARK(BM_SetElementByPath);
BENCHMARK(BM_GetElementByTable);
BENCHMARK(BM_SetElementByTable);

} // namespace
