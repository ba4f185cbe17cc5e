#include "particles/emitters.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/mesh.h"
#include "particles/random_draws.h"

namespace {

// Far beyond any count a system can hold, and far from overflowing.
constexpr double CountLimit = 4.0e18;

float Mix(float from, float to, float t) {
    return (1.0f - t) * from + t * to;
}

// Birth in the ball of `radius` around `centre`: a birth direction scaled by
// a unit draw of the radius, then a second birth direction to fly in.
void PlaceInBall(Particle& particle, const XVector& centre, float radius) {
    XVector offset = BirthDirection();
    float distance = UnitDraw() * radius;
    particle.position.x = centre.x + offset.x * distance;
    particle.position.y = centre.y + offset.y * distance;
    particle.position.z = centre.z + offset.z * distance;
    particle.velocity = BirthDirection();
}

XVector Cross(const XVector& a, const XVector& b) {
    return XVector(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

// The vector scaled to length 1; `fallback` when it has no usable length.
XVector Normalised(const XVector& v, const XVector& fallback) {
    float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (!(length > 0.0f) || !std::isfinite(length)) return fallback;
    return XVector(v.x / length, v.y / length, v.z / length);
}

} // namespace

// ---------------------------------------------------------------- CEmitter

CEmitter::CEmitter() {
    attributes_.Declare("Position", &position);
    attributes_.Declare("Rate", &rate);
    attributes_.Declare("SpeedMin", &speedMin);
    attributes_.Declare("SpeedMax", &speedMax);
    attributes_.Declare("ColourMin", &colourMin);
    attributes_.Declare("ColourMax", &colourMax);
    attributes_.Declare("SizeMin", &sizeMin);
    attributes_.Declare("SizeMax", &sizeMax);
    attributes_.Declare("LifeMin", &lifeMin);
    attributes_.Declare("LifeMax", &lifeMax);
}

int64_t CEmitter::TakeDue(float seconds) {
    float time = secondTime_ + seconds;
    if (!std::isfinite(time)) return 0;
    if (time > 1.0f) {
        // All whole seconds at once, exactly as taking 1 off while more than 1
        // is left, but also for steps so long that the loop would never end.
        double wholeSeconds = std::ceil(static_cast<double>(time) - 1.0);
        time = static_cast<float>(static_cast<double>(time) - wholeSeconds);
        double count = static_cast<double>(secondCount_) - static_cast<double>(rate) * wholeSeconds;
        secondCount_ = static_cast<int64_t>(std::clamp(count, -CountLimit, CountLimit));
    }
    secondTime_ = time;
    auto target = static_cast<int64_t>(std::trunc(static_cast<float>(rate) * time));
    int64_t due = target - secondCount_;
    if (due <= 0) return 0;
    secondCount_ = target;
    return due;
}

void CEmitter::Initialise(Particle& particle) const {
    float colourDraw = UnitDraw();
    float lifeDraw = UnitDraw();
    float sizeDraw = UnitDraw();
    float speedDraw = UnitDraw();
    particle.colour = XColour(
        Mix(colourMin.r, colourMax.r, colourDraw), Mix(colourMin.g, colourMax.g, colourDraw),
        Mix(colourMin.b, colourMax.b, colourDraw), Mix(colourMin.a, colourMax.a, colourDraw));
    particle.life = Mix(lifeMin, lifeMax, lifeDraw);
    particle.size = Mix(sizeMin, sizeMax, sizeDraw);
    float speed = Mix(speedMin, speedMax, speedDraw);
    particle.velocity.x *= speed;
    particle.velocity.y *= speed;
    particle.velocity.z *= speed;
}

void CEmitter::MakeParticles(int64_t count, IParticleSystem& system) {
    // What does not fit has been counted as emitted all the same, so a full
    // system builds up no backlog.
    int64_t room = static_cast<int64_t>(system.FreeCapacity());
    for (int64_t i = 0, fitting = std::min(count, room); i < fitting; ++i) {
        Particle& particle = *system.AddParticle();
        Place(particle);
        Initialise(particle);
    }
}

void CEmitter::Emit(float seconds, IParticleSystem& system) {
    MakeParticles(TakeDue(seconds), system);
}

// ---------------------------------------------------------------- point, sphere, curve

void CPointEmitter::Place(Particle& particle) {
    particle.position.x = position.x;
    particle.position.y = position.y;
    particle.position.z = position.z;
    particle.velocity = BirthDirection();
}

CSphereEmitter::CSphereEmitter() {
    attributes_.Declare("Radius", &radius);
}

void CSphereEmitter::Place(Particle& particle) {
    PlaceInBall(particle, position, radius);
}

CCurveEmitter::CCurveEmitter() {
    DeclareInput("Curve", InterfaceCurve, &curve_);
}

void CCurveEmitter::Emit(float seconds, IParticleSystem& system) {
    heldCurve_.Follow(*this, curve_);
    CEmitter::Emit(seconds, system);
}

void CCurveEmitter::Place(Particle& particle) {
    PlaceInBall(particle, position, 1.0f);
}

// ---------------------------------------------------------------- cone

CConeEmitter::CConeEmitter() {
    attributes_.Declare("Axis", &axis);
    attributes_.Declare("Angle", &angle);
}

void CConeEmitter::Place(Particle& particle) {
    const XVector up(0.0f, 1.0f, 0.0f);
    XVector along = Normalised(axis, up);
    // Two directions across the axis, from whichever world axis is further from it.
    XVector helper = std::fabs(along.x) < 0.9f ? XVector(1.0f, 0.0f, 0.0f) : up;
    XVector across = Normalised(Cross(along, helper), up);
    XVector across2 = Cross(along, across);

    float halfAngle = angle > 0.0f ? std::min(angle, 180.0f) : 0.0f;
    float cosLimit = std::cos(halfAngle * std::numbers::pi_v<float> / 180.0f);
    // Uniform over the cap: the cosine of the angle off the axis is uniform.
    float cosOff = 1.0f - UnitDraw() * (1.0f - cosLimit);
    float sinOff = std::sqrt(std::max(0.0f, 1.0f - cosOff * cosOff));
    float turn = UnitDraw() * 2.0f * std::numbers::pi_v<float>;
    float c = std::cos(turn) * sinOff;
    float s = std::sin(turn) * sinOff;

    particle.position.x = position.x;
    particle.position.y = position.y;
    particle.position.z = position.z;
    particle.velocity = XVector(cosOff * along.x + c * across.x + s * across2.x,
                                cosOff * along.y + c * across.y + s * across2.y,
                                cosOff * along.z + c * across.z + s * across2.z);
}

// ---------------------------------------------------------------- mesh

CMeshEmitter::CMeshEmitter() {
    DeclareInput("Mesh", InterfaceMesh, &meshSlot_);
}

void CMeshEmitter::Emit(float seconds, IParticleSystem& system) {
    const IMesh* mesh = heldMesh_.Follow(*this, meshSlot_);
    // A mesh without vertices has none to pick: it counts as no mesh.
    mesh_ = mesh && mesh->VertexCount() > 0 ? mesh : nullptr;
    CEmitter::Emit(seconds, system);
    if (!mesh_) return;

    glDisable(GL_LIGHTING);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glColor3f(0.7f, 0.4f, 0.2f);
    mesh_->Draw();
    glPopMatrix();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    mesh_ = nullptr;
}

void CMeshEmitter::Place(Particle& particle) {
    if (!mesh_) return;
    auto vertex = static_cast<uint32_t>(RawDraw()) % mesh_->VertexCount();
    XVector offset = mesh_->VertexPosition(vertex);
    particle.position.x = position.x + offset.x;
    particle.position.y = position.y + offset.y;
    particle.position.z = position.z + offset.z;
    particle.velocity = mesh_->VertexNormal(vertex);
}
