// The particle system's per-frame work against plain loops doing the same over
// the same arrays: the update and render step (ageing, a gravity field, the
// move), and drawing point particles against one glDrawArrays of the same
// points. The drawing benchmarks need a GL window: run under xvfb-run.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include "particles/fields.h"
#include "particles/renderers.h"
#include "support/gl_window.h"

namespace {

constexpr float Step = 1e-6f; // small enough that nothing dies or flies off

void Fill(IParticleSystem& system, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        Particle& particle = *system.AddParticle();
        float f = static_cast<float>(i % 1000);
        particle.position = XVector(f * 0.2f - 100.0f, f * 0.15f - 75.0f, 0.0f);
        particle.velocity = XVector(1.0f, f * 0.001f, -1.0f);
        particle.colour = XColour(f * 0.001f, 0.5f, 1.0f - f * 0.001f, 1.0f);
        particle.size = 2.0f;
        particle.life = 1e6f;
    }
}

void BM_SystemStep(benchmark::State& state) {
    IParticleSystem system;
    Fill(system, static_cast<size_t>(state.range(0)));
    CGravityField gravity;
    system.Attach(&gravity);
    for (auto _ : state) {
        system.Age(Step);
        system.RunAttached();
    }
    benchmark::DoNotOptimize(system.Particles().data());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SystemStep)->Arg(10000)->Arg(1000000);

// The same ageing, acceleration and move written as bare loops.
void BM_PlainStep(benchmark::State& state) {
    IParticleSystem system;
    Fill(system, static_cast<size_t>(state.range(0)));
    std::vector<Particle>& particles = system.Particles();
    const XVector gravity(0.0f, -9.81f, 0.0f);
    for (auto _ : state) {
        size_t kept = 0;
        for (size_t i = 0; i < particles.size(); ++i) {
            particles[i].life -= Step;
            if (particles[i].life < 0.0f) continue;
            if (kept != i) particles[kept] = particles[i];
            ++kept;
        }
        particles.resize(kept);
        for (Particle& p : particles) {
            p.velocity.x += gravity.x * Step;
            p.velocity.y += gravity.y * Step;
            p.velocity.z += gravity.z * Step;
        }
        for (Particle& p : particles) {
            p.position.x += p.velocity.x * Step;
            p.position.y += p.velocity.y * Step;
            p.position.z += p.velocity.z * Step;
        }
    }
    benchmark::DoNotOptimize(particles.data());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PlainStep)->Arg(10000)->Arg(1000000);

constexpr int DrawnPoints = 100000;

// Points spread over a 256 x 256 window drawn with an orthographic view.
void StartDrawing(IParticleSystem& system) {
    EnsureGlWindow(256, 256);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-100, 100, -75, 75, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Fill(system, DrawnPoints);
}

void BM_PointRenderer(benchmark::State& state) {
    IParticleSystem system;
    StartDrawing(system);
    CPointRenderer renderer;
    for (auto _ : state) {
        renderer.RenderParticles(0.0f, system);
        glFinish();
    }
    state.SetItemsProcessed(state.iterations() * DrawnPoints);
}
BENCHMARK(BM_PointRenderer)->Unit(benchmark::kMillisecond);

void BM_OneDrawArrays(benchmark::State& state) {
    IParticleSystem system;
    StartDrawing(system);
    const std::vector<Particle>& particles = system.Particles();
    for (auto _ : state) {
        glPointSize(2.0f);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, sizeof(Particle), &particles[0].position.x);
        glColorPointer(4, GL_FLOAT, sizeof(Particle), &particles[0].colour.r);
        glDrawArrays(GL_POINTS, 0, DrawnPoints);
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        glFinish();
    }
    state.SetItemsProcessed(state.iterations() * DrawnPoints);
}
BENCHMARK(BM_OneDrawArrays)->Unit(benchmark::kMillisecond);

} // namespace
