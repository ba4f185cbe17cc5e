#include "geometry/mesh_loader.h"

#include <cstdio>

#include "geometry/obj_reader.h"
#include "scene/node_manager.h"

namespace {

constexpr int32_t kMeshTypeId = 3;

} // namespace

CMesh* LoadMesh(const char* path) {
    ObjReader reader;
    if (!reader.Read(path)) return nullptr;
    CNode* node = CreateNamedNode(kMeshTypeId, "mesh1");
    auto* self = node ? node->Query<IMeshNode>(InterfaceMeshNode) : nullptr;
    if (!self) return nullptr;
    CMesh* mesh = &self->Node();
    SetLastLoadedMesh(mesh);
    reader.Build(mesh->Mesh());
    std::printf("New Mesh Loaded, id=%u\n", mesh->Id());
    std::fflush(stdout);
    return mesh;
}
