// The Wavefront OBJ reader: positions, normals, texture coordinates and faces
// read word by word, then built into a mesh's distinct vertices. No GL, no
// interpreter: tests and the fuzzer call it directly.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "geometry/mesh.h"

struct ObjPoint {
    float x, y, z;
};

struct ObjTexcoord {
    float s, t;
};

// Numbers count from 0; -1 means none given (or a relative number that
// reaches before the first element).
struct ObjCorner {
    int32_t position = -1;
    int32_t texcoord = -1;
    int32_t normal = -1;
};

struct ObjTriangle {
    ObjCorner corners[3];
};

class ObjReader {
  public:
    std::vector<ObjPoint> positions;
    std::vector<ObjPoint> normals;
    std::vector<ObjTexcoord> texcoords;
    std::vector<ObjTriangle> faces;

    // Clears the arrays and reads the file; false when it cannot be read.
    bool Read(const char* path);
    // Clears the arrays and reads OBJ text.
    void ReadText(std::string_view text);

    // Fills the mesh with one vertex per distinct corner (texture coordinate,
    // normal, position) and three vertex numbers per triangle. A number that
    // names nothing gives zeros for that part of the corner.
    void Build(IMesh& mesh) const;

    // The texture coordinate, normal and position a corner names; zeros for
    // numbers that name nothing.
    MeshVertex CornerVertex(const ObjCorner& corner) const;

  private:
    void Clear();
};
