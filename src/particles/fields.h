// Fields: nodes that change the velocities of the particles of the system
// running them, once per render pass. Gravity and wind accelerate; the plane
// collision bounces particles off a plane.
#pragma once

#include "particles/particle_system.h"

using CField = CParticleNode<IField, InterfaceField>;

// A constant acceleration added to every velocity (w ignored), published under
// the attribute name the type gives.
class CAccelerationField : public CField {
  public:
    void Apply(float seconds, IParticleSystem& system) override;
    XVector acceleration;

  protected:
    CAccelerationField(const char* attributeName, const XVector& initial);
};

class CGravityField : public CAccelerationField {
  public:
    CGravityField() : CAccelerationField("Gravity", XVector(0.0f, -9.81f, 0.0f, 1.0f)) {}
};

// Wind is a constant acceleration too, not a drag towards a wind speed.
class CWindField : public CAccelerationField {
  public:
    CWindField() : CAccelerationField("Wind", XVector(0.0f, 0.0f, 4.0f, 1.0f)) {}
};

// Particles behind the plane (a, b, c, d) are mirrored to its front side and
// leave at `bounce` of their speed, in the direction from where their path
// crossed the plane to the mirrored position. The normal is used as given,
// not normalised. Where that direction cannot be formed (a particle at rest,
// moving parallel to the plane, or mirrored onto the crossing point) the
// position is mirrored and the velocity left as it was.
class CPlaneCollision : public CField {
  public:
    CPlaneCollision();
    void Apply(float seconds, IParticleSystem& system) override;

    XPlane plane{0.0f, 1.0f, 0.0f, 0.0f};
    float bounce = 0.7f; // not an attribute
};
