// Emitters: nodes that add particles to the system running them, at a steady
// rate. The types differ only in where a particle starts and where it flies.
#pragma once

#include <cstdint>

#include "particles/held_input.h"
#include "particles/particle_system.h"

class IMesh;

// The fields and rate bookkeeping every emitter shares, published as
// attributes (interface 1) beside the emitter interface (8).
class CEmitter : public CParticleNode<IParticleEmitter, InterfaceEmitter, IEmitter> {
  public:
    CEmitter();
    XVector& Position() override { return position; }
    // Makes the particles due after `seconds` more of emission.
    void Emit(float seconds, IParticleSystem& system) override;

    XVector position{0.0f, 2.0f, 0.0f, 1.0f};
    int32_t rate = 800; // particles per second
    float speedMin = 0.3f;
    float speedMax = 3.0f;
    XColour colourMin{0.1f, 0.2f, 0.6f, 1.0f};
    XColour colourMax{0.6f, 0.6f, 0.9f, 1.0f};
    float sizeMin = 1.0f;
    float sizeMax = 6.0f;
    float lifeMin = 0.1f;
    float lifeMax = 3.5f;

  protected:
    // Advances the bookkeeping by `seconds` and answers how many particles are
    // due now; they count as emitted from here on.
    int64_t TakeDue(float seconds);
    // The type's own step: birth position and direction of travel.
    virtual void Place(Particle& particle) = 0;
    // Colour, life, size and speed from four unit draws.
    void Initialise(Particle& particle) const;
    // Place and Initialise `count` new particles, as many as fit.
    void MakeParticles(int64_t count, IParticleSystem& system);

  private:
    float secondTime_ = 0.0f; // time into the current second
    int64_t secondCount_ = 0; // particles emitted in the current second
};

// Particles leave the birth point in a direction from BirthDirection.
class CPointEmitter : public CEmitter {
  protected:
    void Place(Particle& particle) override;
};

// Birth points lie within `Radius` of the position, denser towards the centre.
class CSphereEmitter : public CEmitter {
  public:
    CSphereEmitter();
    float radius = 2.0f;

  protected:
    void Place(Particle& particle) override;
};

// A sphere emitter of radius 1; its "Curve" input is held but not read.
class CCurveEmitter : public CEmitter {
  public:
    CCurveEmitter();
    void Emit(float seconds, IParticleSystem& system) override;

  protected:
    void Place(Particle& particle) override;

  private:
    void* curve_ = nullptr;
    HeldInput heldCurve_{0};
};

// Particles leave the position in directions spread evenly over the cap of
// `Angle` degrees (0 to 180) around `Axis`; a zero axis points up.
class CConeEmitter : public CEmitter {
  public:
    CConeEmitter();
    XVector axis{0.0f, 1.0f, 0.0f, 1.0f};
    float angle = 30.0f;

  protected:
    void Place(Particle& particle) override;
};

// Particles start at a random vertex of the "Mesh" input (offset by the
// position) and fly along its normal; without a mesh, or with an empty one,
// they start at the origin at rest. The mesh is drawn as a wireframe at the
// position after every emission.
class CMeshEmitter : public CEmitter {
  public:
    CMeshEmitter();
    // Connects "Mesh" and holds the mesh from then on; false when it is no mesh.
    bool ConnectMesh(CNode& mesh) { return heldMesh_.Connect(*this, mesh); }
    void Emit(float seconds, IParticleSystem& system) override;

  protected:
    void Place(Particle& particle) override;

  private:
    IMesh* meshSlot_ = nullptr;
    HeldInput heldMesh_{0};
    const IMesh* mesh_ = nullptr; // the usable mesh during one Emit
};
