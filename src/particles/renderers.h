// Particle renderers: nodes that draw the particles of the system running
// them, inside the 3D view. A renderer attached to two systems draws both.
#pragma once

#include "particles/held_input.h"
#include "particles/particle_system.h"

class IMesh;

// Offers the renderer interface (10) and its attributes (1). Either blend flag
// selects additive blending (GL_ONE, GL_ONE).
class CParticleRenderer : public CParticleNode<IParticleRenderer, InterfaceParticleRenderer> {
  public:
    CParticleRenderer();

    bool additiveBlend = false;
    bool alphaBlend = false;

  protected:
    bool Blending() const { return additiveBlend || alphaBlend; }
    // Switches additive blending on when a flag asks for it.
    void BlendPrologue() const;
};

// Unlit, untextured points, each in its particle's colour and size.
class CPointRenderer : public CParticleRenderer {
  public:
    void RenderParticles(float seconds, IParticleSystem& system) override;
};

// Lines from each particle back along its path, blended by source alpha
// whatever the flags; the line width is 1 again afterwards.
class CStreakRenderer : public CParticleRenderer {
  public:
    CStreakRenderer();
    void RenderParticles(float seconds, IParticleSystem& system) override;

    float streakLength = 0.1f; // seconds of travel
    XColour secondColour{0.2f, 0.2f, 0.2f, 0.0f};
};

// Points at the current point size, texturing and lighting left as they are.
class CSpriteRenderer : public CParticleRenderer {
  public:
    CSpriteRenderer();
    void RenderParticles(float seconds, IParticleSystem& system) override;

    int32_t texture = 0; // stored only
};

// The "Mesh" input drawn lit at every particle, in the particle's colour,
// blended with (GL_ONE, GL_SRC_COLOR). The material attributes are stored only.
class CMeshRenderer : public CParticleRenderer {
  public:
    CMeshRenderer();
    // Connects "Mesh" and holds the mesh from then on; false when it is no mesh.
    bool ConnectMesh(CNode& mesh) { return heldMesh_.Connect(*this, mesh); }
    void RenderParticles(float seconds, IParticleSystem& system) override;

    XColour ambient{0.0f, 0.0f, 0.0f, 0.0f};
    XColour diffuse{0.0f, 0.0f, 0.0f, 0.0f};
    XColour specular{0.0f, 0.0f, 0.0f, 0.0f};
    XColour emission{0.0f, 0.0f, 0.0f, 0.0f};
    float shininess = 0.0f;
    int32_t texture = 0;

  private:
    IMesh* meshSlot_ = nullptr;
    HeldInput heldMesh_{0};
};
