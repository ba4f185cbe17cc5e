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

struct BookkeepingCase {
    const char* name;
    std::vector<Step> steps;
};

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Infinity = std::numeric_limits<float>::infinity();

// The values rand() will give after srand(seed), read ahead and then replayed
// by resetting the seed.
class ReferenceDraws {
public:
    explicit ReferenceDraws(unsigned seed) {
        std::srand(seed);
        for (int& value : values_) value = std::rand();
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
    // The four draws every emitter ends with, applied to a placed particle.
    void Finish(const CEmitter& emitter, Particle& particle) {
        float t1 = Unit(), t2 = Unit(), t3 = Unit(), t4 = Unit();
        auto mix = [](float a, float b, float t) { return (1 - t) * a + t * b; };
        particle.colour = XColour(mix(emitter.colourMin.r, emitter.colourMax.r, t1),
                                  mix(emitter.colourMin.g, emitter.colourMax.g, t1),
                                  mix(emitter.colourMin.b, emitter.colourMax.b, t1),
                                  mix(emitter.colourMin.a, emitter.colourMax.a, t1));
        particle.life = mix(emitter.lifeMin, emitter.lifeMax, t2);
        particle.size = mix(emitter.sizeMin, emitter.sizeMax, t3);
        float speed = mix(emitter.speedMin, emitter.speedMax, t4);
        particle.velocity = XVector(particle.velocity.x * speed, particle.velocity.y * speed,
                                    particle.velocity.z * speed);
    }

private:
    std::array<int, 64> values_;
    size_t next_ = 0;
};

void ExpectSameParticle(const Particle& actual, const Particle& expected) {
    const float a[] = {actual.position.x, actual.position.y, actual.position.z, actual.velocity.x,
                       actual.velocity.y, actual.velocity.z, actual.colour.r,  actual.colour.g,
                       actual.colour.b,   actual.colour.a,   actual.size,      actual.life};
    const float e[] = {expected.position.x, expected.position.y, expected.position.z, expected.velocity.x,
                       expected.velocity.y, expected.velocity.z, expected.colour.r,  expected.colour.g,
                       expected.colour.b,   expected.colour.a,   expected.size,      expected.life};
    for (size_t i = 0; i < std::size(a); ++i) EXPECT_NEAR(a[i], e[i], 1e-5) << "component " << i;
}

// Two particles from a fresh emitter, with the colour range spanning alpha.
template <class Emitter>
std::vector<Particle> EmitTwo(Emitter& emitter) {
    emitter.rate = 2;
    emitter.position = XVector(1.0f, 2.0f, 3.0f);
    emitter.colourMin.a = 0.0f;
    IParticleSystem system;
    emitter.Emit(1.0f, system);
    return system.Particles();
}

Particle At(const XVector& position) {
    Particle particle;
    particle.position = position;
    return particle;
}

} // namespace

TEST(Emitter, RateBookkeeping) {
    const BookkeepingCase cases[] = {
        {"rate 8 in quarter seconds: a whole second of exactly 1.0 is kept",
         {{0.25f, 8, 2}, {0.25f, 8, 2}, {0.25f, 8, 2}, {0.25f, 8, 2}, {0.25f, 8, 2}}},
        {"a long first frame releases its backlog at once", {{2.5f, 10, 25}, {0.25f, 10, 2}}},
        {"a rate raised mid-second emits the difference at once", {{0.5f, 10, 5}, {0.25f, 100, 70}}},
        {"no rate or a negative one emits nothing", {{1.0f, 0, 0}, {0.5f, -5, 0}}},
        {"steps that are not numbers or endless change nothing", {{NaN, 8, 0}, {Infinity, 8, 0}, {0.25f, 8, 2}}},
        {"a step of ages ends at once, the system full", {{1e30f, 1, IParticleSystem::MaxParticles}}},
    };
    for (const BookkeepingCase& row : cases) {
        SCOPED_TRACE(row.name);
        CPointEmitter emitter;
        IParticleSystem system;
        for (const Step& step : row.steps) {
            size_t before = system.Particles().size();
            emitter.rate = step.rate;
            emitter.Emit(step.seconds, system);
            EXPECT_EQ(system.Particles().size() - before, step.emitted);
        }
    }
}

TEST(Emitter, PointDrawsThreeSignedThenFourUnit) {
    ReferenceDraws draws(11);
    CPointEmitter emitter;
    std::vector<Particle> particles = EmitTwo(emitter);
    for (const Particle& particle : particles) {
        Particle expected = At(emitter.position);
        expected.velocity = draws.Direction();
        draws.Finish(emitter, expected);
        ExpectSameParticle(particle, expected);
    }
    EXPECT_NE(particles[0].colour.a, particles[1].colour.a);
}

TEST(Emitter, SphereAndCurveDrawADirectionADistanceAndASecondDirection) {
    CSphereEmitter sphere;
    sphere.radius = 3.0f;
    CCurveEmitter curve; // a sphere of radius 1
    for (auto [emitter, radius] : {std::pair<CEmitter*, float>{&sphere, 3.0f}, {&curve, 1.0f}}) {
        ReferenceDraws draws(12);
        for (const Particle& particle : EmitTwo(*emitter)) {
            XVector offset = draws.Direction();
            float distance = draws.Unit() * radius;
            Particle expected = At(XVector(1.0f + offset.x * distance, 2.0f + offset.y * distance,
                                           3.0f + offset.z * distance));
            expected.velocity = draws.Direction();
            draws.Finish(*emitter, expected);
            ExpectSameParticle(particle, expected);
        }
    }
}

TEST(Emitter, MeshPicksAVertexWithOneRawDrawAndFliesAlongItsNormal) {
    CMesh mesh;
    mesh.Mesh().SetGeometry({{0, 0, 0, 2, 0, 1, 0, 0}, {0, 0, 0, 1, 0, 0, 1, 0}, {0, 0, 1, 0, 0, 0, 0, 5}},
                            {0, 1, 2});
    CMeshEmitter emitter;
    ASSERT_TRUE(emitter.ConnectMesh(mesh));
    ReferenceDraws draws(13);
    for (const Particle& particle : EmitTwo(emitter)) {
        uint32_t vertex = static_cast<uint32_t>(draws.Raw()) % 3;
        XVector offset = mesh.Mesh().VertexPosition(vertex);
        Particle expected = At(XVector(1.0f + offset.x, 2.0f + offset.y, 3.0f + offset.z));
        expected.velocity = mesh.Mesh().VertexNormal(vertex);
        draws.Finish(emitter, expected);
        ExpectSameParticle(particle, expected);
    }
}

TEST(Emitter, MeshWithoutVerticesOrWithoutAMeshBirthsAtTheOriginAtRest) {
    CMesh empty;
    CMeshEmitter withEmpty;
    ASSERT_TRUE(withEmpty.ConnectMesh(empty));
    CMeshEmitter unconnected;
    for (CMeshEmitter* emitter : {&withEmpty, &unconnected}) {
        ReferenceDraws draws(14);
        for (const Particle& particle : EmitTwo(*emitter)) {
            Particle expected;
            draws.Finish(*emitter, expected);
            ExpectSameParticle(particle, expected);
        }
    }
}

TEST(Emitter, ConeSpreadsEvenlyWithinItsAngleAroundItsAxis) {
    struct Case {
        const char* name;
        XVector axis;
        float angle;
        XVector direction; // the axis as normalised
    };
    const Case cases[] = {
        {"thirty degrees around x", XVector(2, 0, 0), 30.0f, XVector(1, 0, 0)},
        {"no angle flies along the axis", XVector(0, 0, -1), 0.0f, XVector(0, 0, -1)},
        {"a zero axis points up", XVector(0, 0, 0), 10.0f, XVector(0, 1, 0)},
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
            EXPECT_NEAR(std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z), 1.0f, 1e-5);
            float along = v.x * row.direction.x + v.y * row.direction.y + v.z * row.direction.z;
            lowest = std::min(lowest, along);
            highest = std::max(highest, along);
            EXPECT_EQ(particle.position.y, 2.0f);
        }
        float limit = std::cos(std::min(row.angle, 180.0f) * 3.14159265f / 180.0f);
        EXPECT_GE(lowest, limit - 1e-5);
        // The directions reach to the rim of the cap.
        EXPECT_LT(lowest, limit + 0.01f);
        EXPECT_GT(highest, 0.99f);
    }
}
