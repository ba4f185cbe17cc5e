// Renderers in a real GL window: the batched drawing against the same
// particles drawn one by one with glBegin/glEnd (blend rules and the state
// left behind included), and the mesh renderer's blending.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>

#include "geometry/mesh.h"
#include "particles/renderers.h"
#include "support/gl_window.h"

namespace {

constexpr int Side = 128;

void StartFrame(float grey) {
    EnsureGlWindow(Side, Side);
    glViewport(0, 0, Side, Side);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, Side, 0, Side, -50, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glPointSize(1.0f);
    glLineWidth(1.0f);
    glClearColor(grey, grey, grey, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

std::vector<uint8_t> Frame() {
    return ReadGlPixels(0, 0, Side, Side);
}

std::array<int, 3> PixelAt(int x, int y) {
    std::vector<uint8_t> pixel = ReadGlPixels(x, y, 1, 1);
    return {pixel[0], pixel[1], pixel[2]};
}

// What the drawing leaves behind for whatever draws next: point size, line
// width, current colour and whether blending is on.
std::array<float, 7> ReadState() {
    std::array<float, 7> state{};
    glGetFloatv(GL_POINT_SIZE, &state[0]);
    glGetFloatv(GL_LINE_WIDTH, &state[1]);
    glGetFloatv(GL_CURRENT_COLOR, &state[2]);
    state[6] = glIsEnabled(GL_BLEND);
    return state;
}

// Overlapping particles of every size, some refused by glPointSize and
// glLineWidth (0 and below), half transparent.
IParticleSystem& CrowdedSystem() {
    static IParticleSystem system;
    if (!system.Particles().empty()) return system;
    uint32_t seed = 5;
    auto next = [&seed](float range) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / 16777216.0f * range;
    };
    for (int i = 0; i < 400; ++i) {
        Particle& particle = *system.AddParticle();
        particle.position = XVector(next(Side), next(Side), next(2.0f));
        particle.velocity = XVector(next(200.0f) - 100.0f, next(200.0f) - 100.0f, 0.0f);
        particle.colour = XColour(next(1.0f), next(1.0f), next(1.0f), next(1.0f));
        particle.size = i % 17 == 3 ? 0.0f : i % 23 == 5 ? -2.0f : next(9.0f);
    }
    return system;
}

// The drawing as the renderers are meant to do it, one glBegin/glEnd per
// particle: points sized and unlit, streaks always blended by source alpha
// and the line width set back to 1, sprites at the current point size.
void DrawOneByOne(const CParticleRenderer& renderer, const IParticleSystem& system) {
    auto* streaks = dynamic_cast<const CStreakRenderer*>(&renderer);
    bool points = dynamic_cast<const CPointRenderer*>(&renderer);
    bool flagged = renderer.additiveBlend || renderer.alphaBlend;
    if (flagged) {
        glBlendFunc(GL_ONE, GL_ONE);
        glEnable(GL_BLEND);
    }
    if (points) glDisable(GL_LIGHTING);
    if (streaks) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    for (const Particle& particle : system.Particles()) {
        const XVector& p = particle.position;
        const XVector& v = particle.velocity;
        if (points) glPointSize(particle.size);
        if (streaks) glLineWidth(particle.size);
        glBegin(streaks ? GL_LINES : GL_POINTS);
        glColor4fv(&particle.colour.r);
        glVertex3fv(&p.x);
        if (streaks) {
            float length = streaks->streakLength;
            glColor4fv(&streaks->secondColour.r);
            glVertex3f(p.x - v.x * length, p.y - v.y * length, p.z - v.z * length);
        }
        glEnd();
    }
    if (flagged || streaks) glDisable(GL_BLEND);
    if (streaks) glLineWidth(1.0f);
}

} // namespace

TEST(Renderers, BatchesGiveThePixelsAndStateOfDrawingOneByOne) {
    IParticleSystem& system = CrowdedSystem();
    CPointRenderer points;
    CStreakRenderer streaks;
    CSpriteRenderer sprites;
    const std::pair<const char*, CParticleRenderer*> renderers[] = {
        {"points", &points}, {"streaks", &streaks}, {"sprites", &sprites}};
    for (auto [name, renderer] : renderers) {
        for (bool additive : {false, true}) {
            SCOPED_TRACE(std::string(name) + (additive ? ", additive" : ""));
            renderer->alphaBlend = additive;
            StartFrame(0.25f);
            glPointSize(3.0f); // the sprites' size
            DrawOneByOne(*renderer, system);
            std::vector<uint8_t> expected = Frame();
            std::array<float, 7> expectedState = ReadState();
            glGetError(); // glPointSize and glLineWidth refused the sizes of 0 and below

            StartFrame(0.25f);
            glPointSize(3.0f);
            renderer->RenderParticles(0.0f, system);
            EXPECT_TRUE(Frame() == expected);
            EXPECT_EQ(ReadState(), expectedState);
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        }
    }
    EXPECT_EQ(ReadState()[1], 1.0f);
}

TEST(Renderers, MeshesAddTheirColourAndTheBackgroundTimesIt) {
    IParticleSystem system;
    Particle& particle = *system.AddParticle();
    particle.position = XVector(64.0f, 64.0f, 0.0f);
    particle.colour = XColour(0.25f, 0.1f, 0.05f, 1.0f);
    CMesh square; // 20 pixels wide, facing the viewer
    square.Mesh().SetGeometry({{0, 0, 0, 0, 1, -10, -10, 0},
                               {0, 0, 0, 0, 1, 10, -10, 0},
                               {0, 0, 0, 0, 1, 10, 10, 0},
                               {0, 0, 0, 0, 1, -10, 10, 0}},
                              {0, 1, 2, 0, 2, 3});
    CMeshRenderer meshes;
    StartFrame(0.0f);
    meshes.RenderParticles(0.0f, system); // no mesh: nothing drawn, blending off again
    EXPECT_EQ(PixelAt(64, 64), (std::array<int, 3>{0, 0, 0}));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));

    // (GL_ONE, GL_SRC_COLOR): over white twice as bright as over black.
    ASSERT_TRUE(meshes.ConnectMesh(square));
    std::array<int, 3> drawn[2];
    for (int background : {0, 1}) {
        StartFrame(static_cast<float>(background));
        meshes.RenderParticles(0.0f, system);
        drawn[background] = PixelAt(64, 64);
        EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_LIGHTING) ||
                     glIsEnabled(GL_COLOR_MATERIAL));
        EXPECT_EQ(ReadState(), (std::array<float, 7>{1.0f, 1.0f, 0.3f, 0.7f, 0.7f, 1.0f, 0.0f}));
    }
    EXPECT_GT(drawn[0][0], 40);
    for (int channel = 0; channel < 3; ++channel)
        EXPECT_NEAR(drawn[1][channel], 2 * drawn[0][channel], 2);
}
