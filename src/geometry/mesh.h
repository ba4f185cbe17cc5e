// Mesh nodes: an indexed triangle mesh drawn with interleaved vertex arrays,
// and the process-wide last loaded mesh that the mesh presets connect to.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/attributes.h"
#include "scene/node.h"
#include "scene/scheduler.h"

// One vertex in the GL_T2F_N3F_V3F layout: 32 bytes, texture coordinate,
// normal, position.
struct MeshVertex {
    float s, t;
    float nx, ny, nz;
    float x, y, z;
};
static_assert(sizeof(MeshVertex) == 32);

// The mesh data block (interface 5): drawing switches, triangles as vertex
// numbers (three per triangle) and the distinct vertices they name. Indices
// are 32 bits wide, so meshes of any vertex count draw correctly.
class IMesh {
  public:
    // Nothing in the system changes these from their defaults.
    bool wireframe = false;
    bool cullFace = true;
    bool textured = false;
    bool lit = true;
    bool visible = true;

    // Replaces the geometry. Every index must be below vertices.size().
    void SetGeometry(std::vector<MeshVertex> vertices, std::vector<uint32_t> indices);
    const std::vector<MeshVertex>& Vertices() const { return vertices_; }
    const std::vector<uint32_t>& Indices() const { return indices_; }
    uint32_t VertexCount() const { return static_cast<uint32_t>(vertices_.size()); }
    uint32_t IndexCount() const { return static_cast<uint32_t>(indices_.size()); }

    // (x, y, z, 1) of vertex i; (0, 0, 0, 1) when i is not below VertexCount().
    XVector VertexPosition(uint32_t i) const;
    // (nx, ny, nz, 1) of vertex i, as stored (not normalised); (0, 0, 0, 1)
    // when i is not below VertexCount().
    XVector VertexNormal(uint32_t i) const;

    // Draws with the current model-view matrix, switching on what the flags ask
    // for (line polygons, face culling, 2D texturing, lighting with light 0) and
    // off again afterwards; light 0 stays enabled. Nothing when invisible or empty.
    void Draw() const;
    // The two vertex-array calls alone, for callers that set up their own state.
    // Nothing when invisible or empty.
    void DrawPlain() const;

  private:
    std::vector<MeshVertex> vertices_;
    std::vector<uint32_t> indices_;
};

class CMesh;

// Interface 12: the mesh node itself.
class IMeshNode {
  public:
    explicit IMeshNode(CMesh& node) : node_(node) {}
    CMesh& Node() const { return node_; }

  private:
    CMesh& node_;
};

// Interface 13: a transform record and its matrix. Nothing changes them and
// drawing does not apply them.
struct MeshTransform {
    XVector translation{0.0f, 0.0f, 0.0f, 1.0f};
    XVector rotation{0.0f, 0.0f, 0.0f, 1.0f};
    XVector scale{1.0f, 1.0f, 1.0f, 1.0f};
};

class IMeshTransform {
  public:
    MeshTransform& Transform() { return transform_; }
    // Column-major 4x4, identity.
    float* Matrix() { return matrix_; }

  private:
    MeshTransform transform_;
    float matrix_[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};

// Node type 3. Its render interface is on the render list from construction,
// so the mesh is drawn every frame untransformed, in scene coordinates.
class CMesh : public CNode {
  public:
    // Answers 1 (no attributes), 2, 5, 12 and 13.
    bool QueryInterface(int32_t interfaceId, void** out) override;
    IMesh& Mesh() { return mesh_; }

  private:
    class Renderer : public IRender {
      public:
        explicit Renderer(const IMesh& mesh) : mesh_(mesh) {}
        void Render() override { mesh_.Draw(); }
        void DrawPlain() override { mesh_.DrawPlain(); }

      private:
        const IMesh& mesh_;
    };

    IAttributes attributes_;
    IMesh mesh_;
    Renderer renderer_{mesh_};
    IMeshNode self_{*this};
    IMeshTransform transform_;
};

// The mesh MakeMesh created most recently, held (RetainNode) so that deleting
// it through the node manager cannot leave it dangling; null before the first.
CMesh* LastLoadedMesh();
// Makes `mesh` the last loaded mesh, releasing the one before.
void SetLastLoadedMesh(CMesh* mesh);
