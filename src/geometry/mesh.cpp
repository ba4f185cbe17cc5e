#include "geometry/mesh.h"

#include <GL/gl.h>

#include <utility>

namespace {

CMesh* lastLoadedMesh = nullptr;

} // namespace

// ---------------------------------------------------------------- IMesh

void IMesh::SetGeometry(std::vector<MeshVertex> vertices, std::vector<uint32_t> indices) {
    vertices_ = std::move(vertices);
    indices_ = std::move(indices);
}

XVector IMesh::VertexPosition(uint32_t i) const {
    if (i >= vertices_.size()) return XVector();
    const MeshVertex& v = vertices_[i];
    return XVector(v.x, v.y, v.z, 1.0f);
}

XVector IMesh::VertexNormal(uint32_t i) const {
    if (i >= vertices_.size()) return XVector();
    const MeshVertex& v = vertices_[i];
    return XVector(v.nx, v.ny, v.nz, 1.0f);
}

void IMesh::Draw() const {
    if (!visible || vertices_.empty() || indices_.empty()) return;
    if (wireframe) glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    if (cullFace) glEnable(GL_CULL_FACE);
    if (textured) glEnable(GL_TEXTURE_2D);
    if (lit) {
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
    }
    DrawPlain();
    if (wireframe) glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    if (cullFace) glDisable(GL_CULL_FACE);
    if (textured) glDisable(GL_TEXTURE_2D);
    if (lit) glDisable(GL_LIGHTING);
}

void IMesh::DrawPlain() const {
    if (!visible || vertices_.empty() || indices_.empty()) return;
    // The array pointers must not outlive this call: a later draw that enables
    // fewer arrays would otherwise read this mesh's vertices, perhaps freed.
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glInterleavedArrays(GL_T2F_N3F_V3F, 0, vertices_.data());
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices_.size()), GL_UNSIGNED_INT,
                   indices_.data());
    glPopClientAttrib();
}

// ---------------------------------------------------------------- CMesh

bool CMesh::QueryInterface(int32_t interfaceId, void** out) {
    switch (interfaceId) {
    case InterfaceAttributes:
        *out = &attributes_;
        return true;
    case InterfaceRender:
        *out = static_cast<IRender*>(&renderer_);
        return true;
    case InterfaceMesh:
        *out = &mesh_;
        return true;
    case InterfaceMeshNode:
        *out = &self_;
        return true;
    case InterfaceMeshTransform:
        *out = &transform_;
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------- last loaded

CMesh* LastLoadedMesh() {
    return lastLoadedMesh;
}

void SetLastLoadedMesh(CMesh* mesh) {
    RetainNode(mesh);
    ReleaseNode(lastLoadedMesh);
    lastLoadedMesh = mesh;
}
