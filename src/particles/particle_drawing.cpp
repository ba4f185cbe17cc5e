#define GL_GLEXT_PROTOTYPES 1
#include "particles/particle_drawing.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstddef>

namespace {

constexpr GLsizei ParticleStride = sizeof(Particle);
constexpr GLuint SizeAttribute = 1; // 0 would alias the vertex position

// Fixed-function transform and colour, with the point size taken per vertex.
const char* const pointSizeShader = R"(#version 110
attribute float size;
void main() {
    gl_Position = ftransform();
    gl_FrontColor = gl_Color;
    gl_BackColor = gl_Color;
    gl_PointSize = size;
}
)";

// Made on first use; 0 when the context cannot run it (the points are then
// drawn one by one).
GLuint PointSizeProgram() {
    static GLuint program = 0;
    static bool tried = false;
    if (tried) return program;
    tried = true;
    GLuint shader = glCreateShader(GL_VERTEX_SHADER);
    if (!shader) return 0;
    glShaderSource(shader, 1, &pointSizeShader, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    GLuint linked = glCreateProgram();
    glAttachShader(linked, shader);
    glBindAttribLocation(linked, SizeAttribute, "size");
    glLinkProgram(linked);
    glDeleteShader(shader);
    GLint linkStatus = GL_FALSE;
    glGetProgramiv(linked, GL_LINK_STATUS, &linkStatus);
    if (compiled && linkStatus)
        program = linked;
    else
        glDeleteProgram(linked);
    return program;
}

// The sizes glPointSize and glLineWidth accept.
bool Accepted(float size) {
    return size > 0.0f;
}

// Each particle's size as it takes effect: a refused size keeps the one in
// force before it, starting from the GL state `query` names. Empty when every
// size is accepted, so callers can read the sizes in place.
const std::vector<float>& EffectiveSizes(const std::vector<Particle>& particles, GLenum query) {
    static std::vector<float> sizes;
    sizes.clear();
    size_t firstRefused = 0;
    while (firstRefused < particles.size() && Accepted(particles[firstRefused].size))
        ++firstRefused;
    if (firstRefused == particles.size()) return sizes;
    float current = 0.0f;
    glGetFloatv(query, &current);
    sizes.reserve(particles.size());
    for (const Particle& particle : particles) {
        if (Accepted(particle.size)) current = particle.size;
        sizes.push_back(current);
    }
    return sizes;
}

// The size in force after the last particle.
float LastSize(const std::vector<Particle>& particles, const std::vector<float>& effective) {
    return effective.empty() ? particles.back().size : effective.back();
}

void PointParticleArrays(const std::vector<Particle>& particles) {
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, ParticleStride, &particles[0].position.x);
    glColorPointer(4, GL_FLOAT, ParticleStride, &particles[0].colour.r);
}

void DrawPointsOneByOne(const std::vector<Particle>& particles,
                        const std::vector<float>& effective) {
    for (size_t i = 0; i < particles.size(); ++i) {
        glColor4fv(&particles[i].colour.r);
        glPointSize(effective.empty() ? particles[i].size : effective[i]);
        glBegin(GL_POINTS);
        glVertex3fv(&particles[i].position.x);
        glEnd();
    }
}

struct StreakVertex {
    float x, y, z;
    float r, g, b, a;
};

} // namespace

void DrawSizedPoints(const std::vector<Particle>& particles) {
    if (particles.empty()) return;
    const std::vector<float>& effective = EffectiveSizes(particles, GL_POINT_SIZE);
    GLuint program = PointSizeProgram();
    if (!program) {
        DrawPointsOneByOne(particles, effective);
        return;
    }
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    PointParticleArrays(particles);
    glEnableVertexAttribArray(SizeAttribute);
    if (effective.empty())
        glVertexAttribPointer(SizeAttribute, 1, GL_FLOAT, GL_FALSE, ParticleStride,
                              &particles[0].size);
    else
        glVertexAttribPointer(SizeAttribute, 1, GL_FLOAT, GL_FALSE, 0, effective.data());
    glEnable(GL_VERTEX_PROGRAM_POINT_SIZE);
    GLint previousProgram = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &previousProgram);
    glUseProgram(program);
    glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(particles.size()));
    glUseProgram(static_cast<GLuint>(previousProgram));
    glDisable(GL_VERTEX_PROGRAM_POINT_SIZE);
    glDisableVertexAttribArray(SizeAttribute);
    glPopClientAttrib();
    glColor4fv(&particles.back().colour.r);
    glPointSize(LastSize(particles, effective));
}

void DrawPoints(const std::vector<Particle>& particles) {
    if (particles.empty()) return;
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    PointParticleArrays(particles);
    glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(particles.size()));
    glPopClientAttrib();
    glColor4fv(&particles.back().colour.r);
}

void DrawStreaks(const std::vector<Particle>& particles, float streakSeconds,
                 const XColour& tailColour) {
    if (particles.empty()) return;
    static std::vector<StreakVertex> vertices;
    vertices.clear();
    vertices.reserve(particles.size() * 2);
    for (const Particle& particle : particles) {
        const XVector& p = particle.position;
        const XVector& v = particle.velocity;
        const XColour& c = particle.colour;
        vertices.push_back({p.x, p.y, p.z, c.r, c.g, c.b, c.a});
        vertices.push_back({p.x - v.x * streakSeconds, p.y - v.y * streakSeconds,
                            p.z - v.z * streakSeconds, tailColour.r, tailColour.g, tailColour.b,
                            tailColour.a});
    }
    const std::vector<float>& effective = EffectiveSizes(particles, GL_LINE_WIDTH);
    auto widthAt = [&](size_t i) { return effective.empty() ? particles[i].size : effective[i]; };

    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, sizeof(StreakVertex), &vertices[0].x);
    glColorPointer(4, GL_FLOAT, sizeof(StreakVertex), &vertices[0].r);
    // One draw per run of streaks of the same width.
    for (size_t first = 0; first < particles.size();) {
        float width = widthAt(first);
        size_t end = first + 1;
        while (end < particles.size() && widthAt(end) == width)
            ++end;
        glLineWidth(width);
        glDrawArrays(GL_LINES, static_cast<GLint>(2 * first),
                     static_cast<GLsizei>(2 * (end - first)));
        first = end;
    }
    glPopClientAttrib();
    glColor4fv(&tailColour.r);
}
