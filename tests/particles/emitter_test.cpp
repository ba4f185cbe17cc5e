// Emitters: the rate bookkeeping, and each type's particles against the
// sequence of rand() they must consume.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "geometry/mesh.h"
#include "particles/emitters.h"

namespace {

struct Step {
    float seconds;
    int32_t rate;
    size_t emitted;
};

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Infinity = std::numeric_limits<float>::infinity();

// Replays what rand() gives after srand(seed), read ahead before the emitter
// draws from the same seed.
class ReferenceDraws {
  public:
    explicit ReferenceDraws(unsigned seed) {
        std::srand(seed);
        for (int& value : values_)
            value = std::rand();
        std::srand(seed);
    }
    int Raw() { return values_.at(next_++); }
    float Unit() { return static_cast<float>(Raw() % 10000) * 0.0001f; }
    float Signed() { return static_cast<float>(10000 - Raw() % 20000) * 0.0001f; }
    XVector Direction() {
        float s1 = Signed(), s2 = Signed(), s3 = Signed();
        float length = std::sqrt(s1 * s1 + s2 * s2 + s3 * s3);
        return XVector(s3 / length, s2 / length, s1 / length);
    }
    // Colour, life, size and speed from the four draws every particle ends with.
    std::array<float, 5> Finish(const CEmitter& e) {
        float t1 = Unit(), t2 = Unit(), t3 = Unit(), t4 = Unit();
        auto mix = [](float a, float b, float t) { return (1 - t) * a + t * b; };
        return {mix(e.colourMin.r, e.colourMax.r, t1), mix(e.colourMin.a, e.colourMax.a, t1),
                mix(e.lifeMin, e.lifeMax, t2), mix(e.sizeMin, e.sizeMax, t3),
                mix(e.speedMin, e.speedMax, t4)};
    }

  private:
    std::array<int, 64> values_;
    size_t next_ = 0;
};

// Compares a particle with its expected birth point, direction and finish.
void ExpectParticle(const Particle& p, const XVector& position, const XVector& direction,
                    const std::array<float, 5>& finish) {
    float speed = finish[4];
    const float actual[] = {p.position.x, p.position.y, p.position.z, p.velocity.x, p.velocity.y,
                            p.velocity.z, p.colour.r,   p.colour.a,   p.life,       p.size};
    const float expected[] = {
        position.x,          position.y, position.z, direction.x * speed, direction.y * speed,
        direction.z * speed, finish[0],  finish[1],  finish[2],           finish[3]};
    for (size_t i = 0; i < std::size(actual); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-5) << "component " << i;
}

// Two particles from a fresh emitter at (1, 2, 3), the colour range spanning alpha.
std::vector<Particle> EmitTwo(CEmitter& emitter) {
    emitter.rate = 2;
    emitter.position = XVector(1.0f, 2.0f, 3.0f);
    emitter.colourMin.a = 0.0f;
    IParticleSystem system;
    emitter.Emit(1.0f, system);
    return system.Particles();
}

} // namespace

TEST(Emitter, RateBookkeeping) {
    const std::pair<const char*, std::vector<Step>> cases[] = {
        {"rate 8 in quarter seconds: a whole second of exactly 1.0 is kept",
         {{0.25f, 8, 2}, {0.25f, 8, 2}, {0.25f, 8, 2}, {0.25f, 8, 2}, {0.25f, 8, 2}}},
        {"a long first frame releases its backlog at once", {{2.5f, 10, 25}, {0.25f, 10, 2}}},
        {"a rate raised mid-second emits the difference at once",
         {{0.5f, 10, 5}, {0.25f, 100, 70}}},
        {"no rate or a negative one emits nothing", {{1.0f, 0, 0}, {0.5f, -5, 0}}},
        {"steps that are not numbers or endless change nothing",
         {{NaN, 8, 0}, {Infinity, 8, 0}, {0.25f, 8, 2}}},
    };
    for (const auto& [name, steps] : cases) {
        SCOPED_TRACE(name);
        CPointEmitter emitter;
        IParticleSystem system;
        for (const Step& step : steps) {
            size_t before = system.Particles().size();
            emitter.rate = step.rate;
            emitter.Emit(step.seconds, system);
            EXPECT_EQ(system.Particles().size() - before, step.emitted);
        }
    }
}

TEST(Emitter, AStepOfAgesEndsAtOnceAndFillsTheSystemOnlyToItsLimit) {
    IParticleSystem system;
    system.Particles().resize(IParticleSystem::MaxParticles - 3);
    CPointEmitter emitter;
    emitter.rate = 1;
    emitter.Emit(1e30f, system);
    EXPECT_EQ(system.Particles().size(), IParticleSystem::MaxParticles);
    system.Particles().resize(0);
    emitter.Emit(0.5f, system); // what did not fit is not owed later
    EXPECT_EQ(system.Particles().size(), 0u);
}

TEST(Emitter, DrawOrderOfEachType) {
    ReferenceDraws pointDraws(11);
    CPointEmitter point;
    for (const Particle& particle : EmitTwo(point)) {
        XVector direction = pointDraws.Direction();
        ExpectParticle(particle, point.position, direction, pointDraws.Finish(point));
    }

    CSphereEmitter sphere;
    sphere.radius = 3.0f;
    CCurveEmitter curve; // a sphere of radius 1
    for (auto [emitter, radius] : {std::pair<CEmitter*, float>{&sphere, 3.0f}, {&curve, 1.0f}}) {
        ReferenceDraws draws(12);
        for (const Particle& particle : EmitTwo(*emitter)) {
            XVector offset = draws.Direction();
            float d = draws.Unit() * radius;
            XVector direction = draws.Direction();
            ExpectParticle(particle, XVector(1 + offset.x * d, 2 + offset.y * d, 3 + offset.z * d),
                           direction, draws.Finish(*emitter));
        }
    }

    CMesh mesh;
    const IMesh& data = mesh.Mesh();
    mesh.Mesh().SetGeometry(
        {{0, 0, 0, 2, 0, 1, 0, 0}, {0, 0, 0, 1, 0, 0, 1, 0}, {0, 0, 1, 0, 0, 0, 0, 5}}, {0, 1, 2});
    CMeshEmitter onMesh;
    ASSERT_TRUE(onMesh.ConnectMesh(mesh));
    ReferenceDraws meshDraws(13);
    for (const Particle& particle : EmitTwo(onMesh)) {
        uint32_t vertex = static_cast<uint32_t>(meshDraws.Raw()) % 3;
        XVector offset = data.VertexPosition(vertex);
        ExpectParticle(particle, XVector(1 + offset.x, 2 + offset.y, 3 + offset.z),
                       data.VertexNormal(vertex), meshDraws.Finish(onMesh));
    }

    // Without a mesh, or with one that has no vertices: at the origin, at rest.
    CMesh empty;
    CMeshEmitter withEmpty;
    ASSERT_TRUE(withEmpty.ConnectMesh(empty));
    CMeshEmitter unconnected;
    for (CMeshEmitter* emitter : {&withEmpty, &unconnected}) {
        ReferenceDraws draws(14);
        for (const Particle& particle : EmitTwo(*emitter))
            ExpectParticle(particle, XVector(0, 0, 0), XVector(0, 0, 0), draws.Finish(*emitter));
    }
}

TEST(Emitter, ConeSpreadsOverTheCapOfItsAngleAroundItsAxis) {
    struct Case {
        const char* name;
        XVector axis;
        float angle;
        XVector along; // the axis normalised
    };
    const Case cases[] = {
        {"thirty degrees around x", XVector(2, 0, 0), 30.0f, XVector(1, 0, 0)},
        {"beyond 180 degrees is the whole sphere", XVector(0, 1, 0), 500.0f, XVector(0, 1, 0)},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        CConeEmitter emitter;
        emitter.axis = row.axis;
        emitter.angle = row.angle;
        emitter.speedMin = emitter.speedMax = 1.0f;
        emitter.rate = 2000;
        IParticleSystem system;
        emitter.Emit(1.0f, system);
        float lowest = 1.0f, highest = -1.0f;
        for (const Particle& particle : system.Particles()) {
            const XVector& v = particle.velocity;
            EXPECT_NEAR(v.x * v.x + v.y * v.y + v.z * v.z, 1.0f, 1e-5);
            float cosine = v.x * row.along.x + v.y * row.along.y + v.z * row.along.z;
            lowest = std::min(lowest, cosine);
            highest = std::max(highest, cosine);
        }
        float limit = std::cos(std::min(row.angle, 180.0f) * 3.14159265f / 180.0f);
        EXPECT_GE(lowest, limit - 1e-5); // within the cap, out to its rim
        EXPECT_LT(lowest, limit + 0.01f);
        EXPECT_GT(highest, 0.99f);
    }
}
