// The particle system's update and render passes, its attached list and how
// long it keeps the nodes on that list alive.
#include <gtest/gtest.h>

#include "particles/emitters.h"
#include "particles/fields.h"
#include "particles/particle_system.h"

namespace {

std::vector<float> Lives(const IParticleSystem& system) {
    std::vector<float> lives;
    for (const Particle& particle : system.Particles()) lives.push_back(particle.life);
    return lives;
}

void AddLiving(IParticleSystem& system, std::initializer_list<float> lives) {
    for (float life : lives) system.AddParticle()->life = life;
}

// A point emitter that reports when it is freed.
class TrackedEmitter : public CPointEmitter {
public:
    explicit TrackedEmitter(bool* freed) : freed_(freed) {}
    ~TrackedEmitter() override { *freed_ = true; }

private:
    bool* freed_;
};

} // namespace

TEST(ParticleSystem, UpdateRemovesParticlesWhoseLifeFellBelowZero) {
    IParticleSystem system;
    // Two neighbours die together; a life reaching exactly 0 survives once.
    AddLiving(system, {1.0f, 0.1f, 0.2f, 0.25f, 0.05f, 2.0f});
    system.Age(0.25f);
    EXPECT_EQ(Lives(system), (std::vector<float>{0.75f, 0.0f, 1.75f}));
    EXPECT_EQ(system.TimeStep(), 0.25f);
    system.Age(0.25f);
    EXPECT_EQ(Lives(system), (std::vector<float>{0.5f, 1.5f}));
}

TEST(ParticleSystem, NewParticlesStartAtTheOriginAtRestInOpaqueBlack) {
    IParticleSystem system;
    const Particle& particle = *system.AddParticle();
    EXPECT_EQ(std::vector<float>({particle.position.x, particle.position.y, particle.position.z, particle.position.w,
                                  particle.velocity.x, particle.velocity.y, particle.velocity.z, particle.velocity.w,
                                  particle.colour.r, particle.colour.g, particle.colour.b, particle.colour.a}),
              std::vector<float>({0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1}));
}

TEST(ParticleSystem, RenderRunsTheAttachedNodesInOrderThenMovesEveryParticle) {
    CPointEmitter emitter; // born at rest at (0, 2, 0)
    emitter.rate = 4;
    emitter.speedMin = emitter.speedMax = 0.0f;
    CGravityField gravity;
    struct Case {
        const char* name;
        CNode* first;
        CNode* second;
        float velocity; // gravity reaches this frame's particle only after the emitter
    };
    for (const Case& row : {Case{"gravity after the emitter", &emitter, &gravity, -9.81f * 0.25f},
                            Case{"gravity before the emitter", &gravity, &emitter, 0.0f}}) {
        SCOPED_TRACE(row.name);
        IParticleSystem system;
        system.Attach(row.first);
        system.Attach(row.second);
        system.RunAttached(); // before the first update the step is 0
        EXPECT_TRUE(system.Particles().empty());

        system.Age(0.25f);
        system.RunAttached();
        ASSERT_EQ(system.Particles().size(), 1u);
        const Particle& particle = system.Particles()[0];
        EXPECT_FLOAT_EQ(particle.velocity.y, row.velocity);
        EXPECT_FLOAT_EQ(particle.position.y, 2.0f + row.velocity * 0.25f);
        EXPECT_EQ(particle.position.w, 1.0f);
    }
}

TEST(ParticleSystem, AnEmitterAttachedTwiceEmitsAtTwiceItsRate) {
    CPointEmitter emitter;
    emitter.rate = 8;
    IParticleSystem system;
    IParticleSystem other;
    system.Attach(&emitter);
    system.Attach(&emitter);
    other.Attach(&emitter);
    system.Age(0.25f);
    other.Age(0.25f);
    system.RunAttached();
    other.RunAttached();
    EXPECT_EQ(system.Particles().size(), 4u);
    EXPECT_EQ(other.Particles().size(), 2u);
}

TEST(ParticleSystem, AttachedListInsertsAppendsAndRemovesByIndex) {
    CPointEmitter a, b, c;
    CParticleSystem unrelated; // offers none of the particle interfaces: skipped
    IParticleSystem system;
    system.Attach(&a);
    EXPECT_TRUE(system.AttachAt(&b, 0));
    EXPECT_FALSE(system.AttachAt(&c, 99));
    system.Attach(&unrelated);
    system.DetachAt(4);
    ASSERT_EQ(system.AttachedCount(), 4u);
    EXPECT_EQ(system.AttachedAt(0), &b);
    EXPECT_EQ(system.AttachedAt(1), &a);
    EXPECT_EQ(system.AttachedAt(2), &c);
    system.DetachAt(0);
    EXPECT_EQ(system.AttachedAt(0), &a);
    system.Age(0.01f);
    system.RunAttached();
}

TEST(ParticleSystem, OffersOnlyRenderUpdateAndItsParticles) {
    CParticleSystem node;
    void* out = nullptr;
    std::vector<int32_t> offered;
    for (int32_t id = 0; id < 16; ++id)
        if (node.QueryInterface(id, &out)) offered.push_back(id);
    EXPECT_EQ(offered, (std::vector<int32_t>{2, 3, 11}));
    EXPECT_TRUE(node.IUpdate::Enabled());
    EXPECT_TRUE(node.IRender::Enabled());
}

TEST(ParticleSystem, DeletedNodesRunWhileAttachedAndAreFreedWhenNoSystemListsThem) {
    bool detachedFreed = false;
    bool heldFreed = false;
    auto* detached = new TrackedEmitter(&detachedFreed);
    auto* held = new TrackedEmitter(&heldFreed);
    auto* system = new IParticleSystem;
    system->Attach(detached);
    system->Attach(held);
    FreeNodeWhenUnreferenced(detached);
    FreeNodeWhenUnreferenced(held);
    EXPECT_FALSE(detachedFreed || heldFreed);

    system->Age(0.5f);
    system->RunAttached();
    EXPECT_EQ(system->Particles().size(), 800u);
    system->DetachAt(0);
    EXPECT_TRUE(detachedFreed);
    EXPECT_FALSE(heldFreed);
    delete system;
    EXPECT_TRUE(heldFreed);
}
