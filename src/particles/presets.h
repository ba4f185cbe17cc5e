// Ready-made particle networks: each call creates a particle system and its
// attached nodes through the node manager, named, in a fixed order, and wires
// them up. Calling one again builds a second, independent network.
#pragma once

// "simple": sparks from a point.
void CreateSimple();
// "gravity": a sphere of particles falling and bouncing on the ground plane.
void CreateGravity();
// "meshp": falling particles drawn as the last loaded mesh.
void CreateMeshParticles();
// "meshe": streaks born on the last loaded mesh, blown by the wind.
void CreateMeshEmitter();
