// The per-frame passes over many enabled objects with native updates and renders.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "scene/scheduler.h"

namespace {

class Counter : public IUpdate, public IRender {
public:
    explicit Counter(UpdateMode mode) : IUpdate(mode) {}
    void Update(float seconds) override { elapsed += seconds; }
    void Render() override { ++frames; }
    float elapsed = 0.0f;
    int frames = 0;
};

// The mode of object i: all every-frame, or an even spread over the four modes.
std::vector<std::unique_ptr<Counter>> MakeEnabled(int count, bool mixedModes) {
    std::vector<std::unique_ptr<Counter>> objects;
    for (int i = 0; i < count; ++i) {
        auto mode = mixedModes ? static_cast<UpdateMode>(i % 4) : UpdateEveryFrame;
        objects.push_back(std::make_unique<Counter>(mode));
        objects.back()->SetPriority(static_cast<uint8_t>(i * 7));
        objects.back()->IUpdate::Enable();
    }
    return objects;
}

void DisableAll(std::vector<std::unique_ptr<Counter>>& objects) {
    for (auto& object : objects) object->IUpdate::Disable();
}

void BM_UpdateAll(benchmark::State& state) {
    auto objects = MakeEnabled(static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) UpdateAll(1.0f / 60.0f);
    benchmark::DoNotOptimize(objects.front()->elapsed);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    DisableAll(objects);
}
BENCHMARK(BM_UpdateAll)->Args({10000, 0})->Args({10000, 1});

void BM_RenderAll(benchmark::State& state) {
    auto objects = MakeEnabled(static_cast<int>(state.range(0)), false);
    for (auto _ : state) RenderAll();
    benchmark::DoNotOptimize(objects.front()->frames);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    DisableAll(objects);
}
BENCHMARK(BM_RenderAll)->Arg(10000);

// Enabling costs a place in the priority order and a duplicate check per
// object; disabling and destroying find the object again.
void BM_EnableObjects(benchmark::State& state) {
    for (auto _ : state) {
        auto objects = MakeEnabled(static_cast<int>(state.range(0)), false);
        for (auto& object : objects) {
            object->IUpdate::Disable();
            object->IRender::Disable();
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EnableObjects)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
