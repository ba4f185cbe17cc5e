// The particle system's update and render passes, its attached list and how
// long it keeps the nodes on that list alive.
#include <gtest/gtest.h>

#include "geometry/mesh.h"
#include "particles/emitters.h"
#include "particles/fields.h"
#include "particles/particle_system.h"
#include "scene/node_manager.h"

namespace {

std::vector<float> Lives(const IParticleSystem& system) {
    std::vector<float> lives;
    for (const Particle& particle : system.Particles())
        lives.push_back(particle.life);
    return lives;
}

void AddLiving(IParticleSystem& system, std::initializer_list<float> lives) {
    for (float life : lives)
        system.AddParticle()->life = life;
}

// Nodes that report when they are freed.
template <class Node> class Tracked : public Node {
  public:
    explicit Tracked(bool* freed) : freed_(freed) {}
    ~Tracked() override { *freed_ = true; }

  private:
    bool* freed_;
};
using TrackedEmitter = Tracked<CPointEmitter>;

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

TEST(ParticleSystem, AConnectedMeshStaysAliveWhileAnEmitterUsesIt) {
    CSceneNodeManager manager; // the emitter finds the node its input names here
    bool freed = false;
    auto* mesh = new Tracked<CMesh>(&freed);
    mesh->Mesh().SetGeometry({{0, 0, 0, 1, 0, 5, 6, 7}}, {0, 0, 0});
    manager.nodes[mesh->Id()] = mesh;
    auto* emitter = new CMeshEmitter;
    emitter->rate = 10;
    ASSERT_TRUE(emitter->Connect(0, *mesh)); // as Node.ConnectInput does
    IParticleSystem system;
    emitter->Emit(0.1f, system);
    manager.nodes.erase(mesh->Id());
    FreeNodeWhenUnreferenced(mesh);
    EXPECT_FALSE(freed);

    emitter->Emit(0.1f, system);
    ASSERT_EQ(system.Particles().size(), 2u);
    EXPECT_EQ(system.Particles()[1].position.x, 5.0f);
    delete emitter;
    EXPECT_TRUE(freed);
}
