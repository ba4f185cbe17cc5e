#include "particles/renderers.h"

#include <GL/gl.h>

#include "geometry/mesh.h"
#include "particles/particle_drawing.h"

// ---------------------------------------------------------------- common

CParticleRenderer::CParticleRenderer() {
    attributes_.Declare("AdditiveBlend", &additiveBlend);
    attributes_.Declare("AlphaBlend", &alphaBlend);
}

void CParticleRenderer::BlendPrologue() const {
    if (!Blending()) return;
    glBlendFunc(GL_ONE, GL_ONE);
    glEnable(GL_BLEND);
}

// ---------------------------------------------------------------- points

void CPointRenderer::RenderParticles(float, IParticleSystem& system) {
    BlendPrologue();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    DrawSizedPoints(system.Particles());
    if (Blending()) glDisable(GL_BLEND);
}

// ---------------------------------------------------------------- streaks

CStreakRenderer::CStreakRenderer() {
    attributes_.Declare("StreakLength", &streakLength);
    attributes_.Declare("SecondColour", &secondColour);
}

void CStreakRenderer::RenderParticles(float, IParticleSystem& system) {
    BlendPrologue();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawStreaks(system.Particles(), streakLength, secondColour);
    glDisable(GL_BLEND);
    glLineWidth(1.0f);
}

// ---------------------------------------------------------------- sprites

CSpriteRenderer::CSpriteRenderer() {
    attributes_.Declare("Texture", &texture);
}

void CSpriteRenderer::RenderParticles(float, IParticleSystem& system) {
    BlendPrologue();
    DrawPoints(system.Particles());
    if (Blending()) glDisable(GL_BLEND);
}

// ---------------------------------------------------------------- meshes

CMeshRenderer::CMeshRenderer() {
    attributes_.Declare("Ambient", &ambient);
    attributes_.Declare("Diffuse", &diffuse);
    attributes_.Declare("Specular", &specular);
    attributes_.Declare("Emission", &emission);
    attributes_.Declare("Shininess", &shininess);
    attributes_.Declare("Texture", &texture);
    DeclareInput("Mesh", InterfaceMesh, &meshSlot_);
}

void CMeshRenderer::RenderParticles(float, IParticleSystem& system) {
    BlendPrologue();
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_SRC_COLOR);
    if (const IMesh* mesh = heldMesh_.Follow(*this, meshSlot_)) {
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 15.0f);
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        for (const Particle& particle : system.Particles()) {
            glColor4f(particle.colour.r, particle.colour.g, particle.colour.b, 0.4f);
            glPushMatrix();
            glTranslatef(particle.position.x, particle.position.y, particle.position.z);
            mesh->Draw();
            glPopMatrix();
        }
        glColor3f(0.3f, 0.7f, 0.7f);
        glDisable(GL_LIGHT0);
        glDisable(GL_LIGHTING);
        glDisable(GL_COLOR_MATERIAL);
    }
    glDisable(GL_BLEND);
}
