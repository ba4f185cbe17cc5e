// What a script call through the argument marshaller costs next to a bare C
// function of the standard library doing the same reads: ImageDraw with an
// unknown id against math.max, three numbers each, in the same interpreter.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "app/script_libraries.h"
#include "script/script_calls.h"
#include "script/script_host.h"

namespace {

constexpr int kCallsPerLoop = 100000;

void EnsureLibraries() {
    static bool registered = [] {
        OpenInterpreter();
        RegisterScriptLibraries();
        return true;
    }();
    (void)registered;
}

double SecondsToRun(const ScriptChunk& chunk) {
    auto start = std::chrono::steady_clock::now();
    chunk.Run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

ScriptChunk Loop(const char* call) {
    char text[128];
    snprintf(text, sizeof text, "for i = 1, %d do %s end", kCallsPerLoop, call);
    ScriptChunk chunk;
    chunk.Compile(text, strlen(text), "=loop");
    return chunk;
}

// Both loops alternate inside each iteration, so the ratio is measured under
// the same conditions; the reported time is the marshalled call's.
void BM_MarshalledCallAgainstBareFunction(benchmark::State& state) {
    EnsureLibraries();
    ScriptChunk marshalled = Loop("ImageDraw(0, 0, 0)");
    ScriptChunk bare = Loop("math.max(0, 0, 0)");
    double marshalledSeconds = 0, bareSeconds = 0;
    for (auto _ : state) {
        double seconds = SecondsToRun(marshalled);
        bareSeconds += SecondsToRun(bare);
        marshalledSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.SetItemsProcessed(state.iterations() * kCallsPerLoop);
    state.counters["bare_ns"] = bareSeconds * 1e9 / (state.iterations() * double(kCallsPerLoop));
    state.counters["ratio"] = marshalledSeconds / bareSeconds;
}
BENCHMARK(BM_MarshalledCallAgainstBareFunction)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

} // namespace
