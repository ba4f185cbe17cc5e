// The particle system node: its live particles, the ordered list of nodes that
// act on them (emitters, fields, renderers) and the interfaces those nodes offer.
#pragma once

#include <cstddef>
#include <vector>

#include "scene/attributes.h"
#include "scene/emitter_interface.h"
#include "scene/node.h"
#include "scene/scheduler.h"

struct Particle {
    XVector velocity; // units per second
    XVector position;
    XColour colour{0.0f, 0.0f, 0.0f, 1.0f};
    float size = 0.0f; // point size or line width in pixels
    float life = 0.0f; // seconds left
};

class IParticleSystem;

// Interface 8. The scene's own emitter functions only move the birth point;
// particle systems also ask for particles.
class IParticleEmitter : public IEmitter {
  public:
    virtual void Emit(float seconds, IParticleSystem& system) = 0;

  protected:
    ~IParticleEmitter() = default;
};

// Interface 9: forces and colliders.
class IField {
  public:
    virtual void Apply(float seconds, IParticleSystem& system) = 0;

  protected:
    ~IField() = default;
};

// Interface 10.
class IParticleRenderer {
  public:
    virtual void RenderParticles(float seconds, IParticleSystem& system) = 0;

  protected:
    ~IParticleRenderer() = default;
};

// The particles of one system and the nodes attached to it (interface 11).
// Attached nodes are held (RetainNode) for as long as they are listed.
class IParticleSystem {
  public:
    // A system never holds more particles than this, whatever rates and lives
    // scripts choose; emitters count what does not fit as emitted.
    static constexpr size_t MaxParticles = size_t{1} << 20;

    IParticleSystem() = default;
    ~IParticleSystem();
    IParticleSystem(const IParticleSystem&) = delete;
    IParticleSystem& operator=(const IParticleSystem&) = delete;

    std::vector<Particle>& Particles() { return particles_; }
    const std::vector<Particle>& Particles() const { return particles_; }
    // Appends a particle at the origin, at rest, coloured opaque black, for the
    // caller to fill; null when the system is full.
    Particle* AddParticle();
    size_t FreeCapacity() const { return MaxParticles - particles_.size(); }

    // Inserts before `index` and answers true, or appends when index is not
    // below the count and answers false.
    bool AttachAt(CNode* node, size_t index);
    void Attach(CNode* node);
    // Removes that entry, closing the gap; nothing when out of range.
    void DetachAt(size_t index);
    size_t AttachedCount() const { return attached_.size(); }
    CNode* AttachedAt(size_t index) const { return attached_[index]; }

    // The time step of the last update; 0 before the first.
    float TimeStep() const { return timeStep_; }

    // Stores the step and ages every particle; those whose life falls below 0
    // leave, the others keep their order.
    void Age(float seconds);
    // Runs the attached nodes in list order with the stored step, then moves
    // every particle by its velocity.
    void RunAttached();

  private:
    std::vector<Particle> particles_;
    std::vector<CNode*> attached_;
    float timeStep_ = 0.0f;
};

// The base of emitters, fields and renderers: a node offering its attribute
// table (interface 1) and one particle interface, handed out as `Offered`.
template <class Interface, int32_t Offers, class Offered = Interface>
class CParticleNode : public CNode, public Interface {
  public:
    bool QueryInterface(int32_t interfaceId, void** out) override {
        if (interfaceId == InterfaceAttributes)
            *out = &attributes_;
        else if (interfaceId == Offers)
            *out = static_cast<Offered*>(this);
        else
            return false;
        return true;
    }

  protected:
    IAttributes attributes_;
};

class CParticleSystem : public CNode, public IUpdate, public IRender {
  public:
    CParticleSystem();
    // Offers render, update and the particle-system block, nothing else.
    bool QueryInterface(int32_t interfaceId, void** out) override;
    void Update(float seconds) override { system_.Age(seconds); }
    void Render() override { system_.RunAttached(); }

    IParticleSystem& System() { return system_; }

  private:
    IParticleSystem system_;
};
