// Gravity, wind and the plane collision on single particles.
#include <gtest/gtest.h>

#include "particles/fields.h"

namespace {

struct CollisionCase {
    const char* name;
    XPlane plane;
    XVector position, velocity;
    XVector endPosition, endVelocity;
};

void ExpectNear(const XVector& actual, const XVector& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5);
    EXPECT_NEAR(actual.y, expected.y, 1e-5);
    EXPECT_NEAR(actual.z, expected.z, 1e-5);
    EXPECT_EQ(actual.w, expected.w);
}

} // namespace

TEST(Fields, GravityAndWindAddTheirAccelerationTimesTheStep) {
    CGravityField gravity;
    CWindField wind;
    IParticleSystem system;
    system.AddParticle()->velocity = XVector(1.0f, 2.0f, 3.0f);
    gravity.Apply(0.5f, system);
    wind.Apply(0.5f, system);
    ExpectNear(system.Particles()[0].velocity, XVector(1.0f, 2.0f - 4.905f, 5.0f));
}

TEST(Fields, PlaneCollision) {
    const XPlane ground(0, 1, 0, 0);
    const CollisionCase cases[] = {
        {"on the plane is left alone", ground, XVector(3, 0, 1), XVector(0, -1, 0),
         XVector(3, 0, 1), XVector(0, -1, 0)},
        {"falling straight in", ground, XVector(0, -1, 0), XVector(0, -2, 0), XVector(0, 1, 0),
         XVector(0, 1.4f, 0)},
        // 0.7 of the speed sqrt(8), along (1, 1, 0) / sqrt(2).
        {"at an angle", ground, XVector(1, -0.5f, 0), XVector(2, -2, 0), XVector(1, 0.5f, 0),
         XVector(1.4f, 1.4f, 0)},
        {"at rest behind: mirrored, still at rest", ground, XVector(0, -1, 0), XVector(0, 0, 0),
         XVector(0, 1, 0), XVector(0, 0, 0)},
        {"parallel to the plane: mirrored, velocity kept", ground, XVector(0, -1, 0),
         XVector(3, 0, 0), XVector(0, 1, 0), XVector(3, 0, 0)},
    };
    for (const CollisionCase& row : cases) {
        SCOPED_TRACE(row.name);
        CPlaneCollision floor;
        floor.plane = row.plane;
        IParticleSystem system;
        Particle& particle = *system.AddParticle();
        particle.position = row.position;
        particle.velocity = row.velocity;
        floor.Apply(0.1f, system);
        ExpectNear(particle.position, row.endPosition);
        ExpectNear(particle.velocity, row.endVelocity);
    }
}
