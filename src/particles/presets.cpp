#include "particles/presets.h"

#include "geometry/mesh.h"
#include "particles/emitters.h"
#include "particles/fields.h"
#include "particles/renderers.h"
#include "scene/node_manager.h"

namespace {

enum NodeType : int32_t {
    MeshEmitterType = 7,
    PointEmitterType = 8,
    SphereEmitterType = 9,
    MeshRendererType = 11,
    PointRendererType = 12,
    StreakRendererType = 13,
    ParticleSystemType = 15,
    GravityFieldType = 16,
    PlaneCollisionType = 17,
    WindFieldType = 19,
};

// Null when the type makes nothing of that class; the network is then built
// without it.
template <class Node> Node* Create(int32_t typeId, const char* name) {
    return dynamic_cast<Node*>(CreateNamedNode(typeId, name));
}

void SetColours(CEmitter& emitter, const XColour& from, const XColour& to) {
    emitter.colourMin.r = from.r;
    emitter.colourMin.g = from.g;
    emitter.colourMin.b = from.b;
    emitter.colourMax.r = to.r;
    emitter.colourMax.g = to.g;
    emitter.colourMax.b = to.b;
}

void SetRateAndSizes(CEmitter& emitter, const XVector& position, int32_t rate, float sizeMax) {
    emitter.position = position;
    emitter.rate = rate;
    emitter.sizeMin = 1.0f;
    emitter.sizeMax = sizeMax;
}

// The "Mesh" input to the last loaded mesh; left unconnected when none has
// been loaded.
template <class Consumer> void ConnectLastMesh(Consumer* consumer) {
    CMesh* mesh = LastLoadedMesh();
    if (consumer && mesh) consumer->ConnectMesh(*mesh);
}

void AttachAll(CParticleSystem* system, std::initializer_list<CNode*> nodes) {
    if (!system) return;
    for (CNode* node : nodes)
        if (node) system->System().Attach(node);
}

} // namespace

void CreateSimple() {
    auto* system = Create<CParticleSystem>(ParticleSystemType, "simple");
    auto* emitter = Create<CPointEmitter>(PointEmitterType, "simple_emitter");
    auto* renderer = Create<CPointRenderer>(PointRendererType, "simple_renderer");
    if (emitter) {
        SetRateAndSizes(*emitter, XVector(-10.0f, 3.0f, 0.0f, 1.0f), 100, 5.0f);
        SetColours(*emitter, XColour(0.6f, 0.3f, 0.2f, 1.0f), XColour(1.0f, 0.4f, 0.4f, 1.0f));
    }
    AttachAll(system, {emitter, renderer});
}

void CreateGravity() {
    auto* system = Create<CParticleSystem>(ParticleSystemType, "gravity");
    auto* emitter = Create<CSphereEmitter>(SphereEmitterType, "gravity_emitter");
    auto* gravity = Create<CGravityField>(GravityFieldType, "gravity_gravity");
    auto* floor = Create<CPlaneCollision>(PlaneCollisionType, "gravity_floor");
    auto* renderer = Create<CStreakRenderer>(StreakRendererType, "gravity_renderer");
    if (emitter) SetRateAndSizes(*emitter, XVector(-3.5f, 3.0f, 0.0f, 1.0f), 250, 1.0f);
    AttachAll(system, {emitter, gravity, floor, renderer});
}

void CreateMeshParticles() {
    auto* system = Create<CParticleSystem>(ParticleSystemType, "meshp");
    auto* emitter = Create<CPointEmitter>(PointEmitterType, "meshp_emitter");
    auto* floor = Create<CPlaneCollision>(PlaneCollisionType, "meshp_floor");
    auto* gravity = Create<CGravityField>(GravityFieldType, "meshp_gravity");
    auto* renderer = Create<CMeshRenderer>(MeshRendererType, "meshp_renderer");
    if (emitter) {
        SetRateAndSizes(*emitter, XVector(10.0f, 4.0f, 0.0f, 1.0f), 60, 5.0f);
        SetColours(*emitter, XColour(0.3f, 0.4f, 0.5f, 1.0f), XColour(0.6f, 1.0f, 1.0f, 1.0f));
    }
    ConnectLastMesh(renderer);
    // The floor is made before the gravity field but acts after it.
    AttachAll(system, {emitter, gravity, floor, renderer});
}

void CreateMeshEmitter() {
    auto* system = Create<CParticleSystem>(ParticleSystemType, "meshe");
    auto* emitter = Create<CMeshEmitter>(MeshEmitterType, "mesh_emitter");
    auto* gravity = Create<CGravityField>(GravityFieldType, "meshe_gravity");
    auto* floor = Create<CPlaneCollision>(PlaneCollisionType, "meshe_floor");
    auto* wind = Create<CWindField>(WindFieldType, "meshe_wind");
    auto* renderer = Create<CStreakRenderer>(StreakRendererType, "meshe_renderer");
    if (emitter) {
        SetRateAndSizes(*emitter, XVector(3.5f, 4.0f, 0.0f, 1.0f), 200, 5.0f);
        SetColours(*emitter, XColour(0.3f, 0.4f, 0.2f, 1.0f), XColour(0.6f, 1.0f, 0.4f, 1.0f));
    }
    ConnectLastMesh(emitter);
    AttachAll(system, {emitter, gravity, floor, wind, renderer});
}
