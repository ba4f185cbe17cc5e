#include "particles/fields.h"

#include <cmath>

namespace {

float Length(float x, float y, float z) {
    return std::sqrt(x * x + y * y + z * z);
}

// A length that can divide: positive and finite.
bool Usable(float length) {
    return length > 0.0f && std::isfinite(length);
}

} // namespace

CAccelerationField::CAccelerationField(const char* attributeName, const XVector& initial)
    : acceleration(initial) {
    attributes_.Declare(attributeName, &acceleration);
}

void CAccelerationField::Apply(float seconds, IParticleSystem& system) {
    const float dx = acceleration.x * seconds;
    const float dy = acceleration.y * seconds;
    const float dz = acceleration.z * seconds;
    for (Particle& particle : system.Particles()) {
        particle.velocity.x += dx;
        particle.velocity.y += dy;
        particle.velocity.z += dz;
    }
}

CPlaneCollision::CPlaneCollision() {
    attributes_.Declare("Plane", &plane);
}

void CPlaneCollision::Apply(float, IParticleSystem& system) {
    const float a = plane.a, b = plane.b, c = plane.c, d = plane.d;
    for (Particle& particle : system.Particles()) {
        XVector& p = particle.position;
        XVector& v = particle.velocity;
        float dist = a * p.x + b * p.y + c * p.z + d;
        if (!(dist < 0.0f)) continue;

        // The mirror image of p in the plane.
        float mx = p.x - 2.0f * dist * a;
        float my = p.y - 2.0f * dist * b;
        float mz = p.z - 2.0f * dist * c;

        float speed = Length(v.x, v.y, v.z);
        if (Usable(speed)) {
            float dx = v.x / speed, dy = v.y / speed, dz = v.z / speed;
            // Distance back along the path to where it crossed the plane.
            float t = -(a * p.x + b * p.y + c * p.z + d) / (a * -dx + b * -dy + c * -dz);
            float qx = p.x - t * dx, qy = p.y - t * dy, qz = p.z - t * dz;
            float rx = mx - qx, ry = my - qy, rz = mz - qz;
            float away = Length(rx, ry, rz);
            if (Usable(away)) {
                float kept = speed * bounce;
                v.x = rx / away * kept;
                v.y = ry / away * kept;
                v.z = rz / away * kept;
            }
        }
        p.x = mx;
        p.y = my;
        p.z = mz;
    }
}
