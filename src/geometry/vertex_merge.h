// Merging of mesh corners into distinct vertices.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "geometry/mesh.h"

// Two vertices match when each of the eight components of `candidate` lies
// strictly within 0.00001 of the corner's: corner - 0.00001 < candidate <
// corner + 0.00001, computed in double precision.
bool VerticesMatch(const MeshVertex& corner, const MeshVertex& candidate);

// Merges corners, one at a time, into distinct vertices: each corner gets the
// number of the first vertex so far that matches it, or becomes a new vertex.
// The result equals a linear search from the first vertex, but a hash grid
// over all eight components keeps the time near linear in the corners.
class VertexMerger {
  public:
    explicit VertexMerger(size_t expectedVertices);
    ~VertexMerger();
    VertexMerger(const VertexMerger&) = delete;
    VertexMerger& operator=(const VertexMerger&) = delete;

    uint32_t Add(const MeshVertex& corner);
    std::vector<MeshVertex>& Vertices() { return vertices_; }

  private:
    class Grid;
    std::unique_ptr<Grid> grid_;
    std::vector<MeshVertex> vertices_;
};
