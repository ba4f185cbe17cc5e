#include "particles/particle_system.h"

IParticleSystem::~IParticleSystem() {
    for (CNode* node : attached_)
        ReleaseNode(node);
}

Particle* IParticleSystem::AddParticle() {
    if (particles_.size() >= MaxParticles) return nullptr;
    return &particles_.emplace_back();
}

bool IParticleSystem::AttachAt(CNode* node, size_t index) {
    RetainNode(node);
    if (index < attached_.size()) {
        attached_.insert(attached_.begin() + static_cast<ptrdiff_t>(index), node);
        return true;
    }
    attached_.push_back(node);
    return false;
}

void IParticleSystem::Attach(CNode* node) {
    RetainNode(node);
    attached_.push_back(node);
}

void IParticleSystem::DetachAt(size_t index) {
    if (index >= attached_.size()) return;
    CNode* node = attached_[index];
    attached_.erase(attached_.begin() + static_cast<ptrdiff_t>(index));
    ReleaseNode(node);
}

void IParticleSystem::Age(float seconds) {
    timeStep_ = seconds;
    // One stable compaction removes every particle whose life fell below 0,
    // neighbours included, in linear time and keeping the others in order.
    size_t kept = 0;
    for (size_t i = 0; i < particles_.size(); ++i) {
        particles_[i].life -= seconds;
        if (particles_[i].life < 0.0f) continue;
        if (kept != i) particles_[kept] = particles_[i];
        ++kept;
    }
    particles_.resize(kept);
}

void IParticleSystem::RunAttached() {
    const float seconds = timeStep_;
    // By index: the list is not meant to change during the pass, but a node
    // that did change it must not leave this loop on a stale iterator.
    for (size_t i = 0; i < attached_.size(); ++i) {
        CNode* node = attached_[i];
        if (IField* field = node->Query<IField>(InterfaceField)) {
            field->Apply(seconds, *this);
        } else if (IEmitter* emitter = node->Query<IEmitter>(InterfaceEmitter)) {
            // Only particle emitters make particles; any other answer is skipped.
            if (auto* particleEmitter = dynamic_cast<IParticleEmitter*>(emitter))
                particleEmitter->Emit(seconds, *this);
        } else if (auto* renderer = node->Query<IParticleRenderer>(InterfaceParticleRenderer)) {
            renderer->RenderParticles(seconds, *this);
        }
    }
    for (Particle& particle : particles_) {
        particle.position.x += particle.velocity.x * seconds;
        particle.position.y += particle.velocity.y * seconds;
        particle.position.z += particle.velocity.z * seconds;
    }
}

CParticleSystem::CParticleSystem() {
    IUpdate::Enable();
}

bool CParticleSystem::QueryInterface(int32_t interfaceId, void** out) {
    switch (interfaceId) {
    case InterfaceRender:
        *out = static_cast<IRender*>(this);
        return true;
    case InterfaceUpdate:
        *out = static_cast<IUpdate*>(this);
        return true;
    case InterfaceParticleSystem:
        *out = &system_;
        return true;
    default:
        return false;
    }
}
