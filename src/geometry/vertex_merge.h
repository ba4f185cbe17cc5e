// Merging of mesh corners into distinct vertices.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "geometry/mesh.h"

// Two vertices match when each of the eight components of `candidate` lies
// strictly within 0.00001 of the corner's: corner - 0.00001 < candidate <
// corner + 0.00001, computed in double precision.
bool VerticesMatch(const MeshVertex& corner, const MeshVertex& candidate);

// Gives every corner, in order, the number of the first vertex built so far
// that matches it, or appends the corner as a new vertex. The result equals a
// linear search from the first vertex, but a hash grid over all eight
// components keeps the time near linear in the number of corners.
void MergeVertices(std::span<const MeshVertex> corners, std::vector<MeshVertex>& vertices,
                   std::vector<uint32_t>& indices);
