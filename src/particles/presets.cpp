#include "particles/presets.h"

#include <vector>

#include "geometry/mesh.h"
#include "particles/emitters.h"
#include "particles/renderers.h"
#include "scene/node_manager.h"

namespace {

struct NodeToMake {
    const char* typeName;
    const char* name;
};

// Creates the nodes in order through the node manager, named; a type that
// makes nothing leaves a null in its place and the network is built without it.
std::vector<CNode*> CreateAll(std::initializer_list<NodeToMake> nodes) {
    std::vector<CNode*> made;
    for (const NodeToMake& node : nodes)
        made.push_back(CreateNamedNode(TypeIdByName(node.typeName), node.name));
    return made;
}

// Position, rate and sizes from 1 to sizeMax; the colour range's red, green
// and blue when given, alpha kept.
void SetUpEmitter(CNode* node, const XVector& position, int32_t rate, float sizeMax,
                  std::initializer_list<XColour> colours = {}) {
    auto* emitter = dynamic_cast<CEmitter*>(node);
    if (!emitter) return;
    emitter->position = position;
    emitter->rate = rate;
    emitter->sizeMin = 1.0f;
    emitter->sizeMax = sizeMax;
    if (colours.size() != 2) return;
    const XColour& from = colours.begin()[0];
    const XColour& to = colours.begin()[1];
    emitter->colourMin = XColour(from.r, from.g, from.b, emitter->colourMin.a);
    emitter->colourMax = XColour(to.r, to.g, to.b, emitter->colourMax.a);
}

// The "Mesh" input to the last loaded mesh; left unconnected when none has
// been loaded.
template <class Consumer> void ConnectLastMesh(CNode* node) {
    auto* consumer = dynamic_cast<Consumer*>(node);
    CMesh* mesh = LastLoadedMesh();
    if (consumer && mesh) consumer->ConnectMesh(*mesh);
}

// Attaches the nodes at these positions of `nodes` to the system at position 0.
void AttachInOrder(const std::vector<CNode*>& nodes, std::initializer_list<size_t> order) {
    auto* system = dynamic_cast<CParticleSystem*>(nodes[0]);
    if (!system) return;
    for (size_t position : order)
        if (nodes[position]) system->System().Attach(nodes[position]);
}

} // namespace

void CreateSimple() {
    std::vector<CNode*> nodes = CreateAll({{"CParticleSystem", "simple"},
                                           {"CPointEmitter", "simple_emitter"},
                                           {"CPointRenderer", "simple_renderer"}});
    SetUpEmitter(nodes[1], XVector(-10.0f, 3.0f, 0.0f, 1.0f), 100, 5.0f,
                 {XColour(0.6f, 0.3f, 0.2f, 1.0f), XColour(1.0f, 0.4f, 0.4f, 1.0f)});
    AttachInOrder(nodes, {1, 2});
}

void CreateGravity() {
    std::vector<CNode*> nodes = CreateAll({{"CParticleSystem", "gravity"},
                                           {"CSphereEmitter", "gravity_emitter"},
                                           {"CGravityField", "gravity_gravity"},
                                           {"CPlaneCollision", "gravity_floor"},
                                           {"CStreakRenderer", "gravity_renderer"}});
    SetUpEmitter(nodes[1], XVector(-3.5f, 3.0f, 0.0f, 1.0f), 250, 1.0f);
    AttachInOrder(nodes, {1, 2, 3, 4});
}

void CreateMeshParticles() {
    std::vector<CNode*> nodes = CreateAll({{"CParticleSystem", "meshp"},
                                           {"CPointEmitter", "meshp_emitter"},
                                           {"CPlaneCollision", "meshp_floor"},
                                           {"CGravityField", "meshp_gravity"},
                                           {"CMeshRenderer", "meshp_renderer"}});
    SetUpEmitter(nodes[1], XVector(10.0f, 4.0f, 0.0f, 1.0f), 60, 5.0f,
                 {XColour(0.3f, 0.4f, 0.5f, 1.0f), XColour(0.6f, 1.0f, 1.0f, 1.0f)});
    ConnectLastMesh<CMeshRenderer>(nodes[4]);
    // The floor is made before the gravity field but acts after it.
    AttachInOrder(nodes, {1, 3, 2, 4});
}

void CreateMeshEmitter() {
    std::vector<CNode*> nodes = CreateAll({{"CParticleSystem", "meshe"},
                                           {"CMeshEmitter", "mesh_emitter"},
                                           {"CGravityField", "meshe_gravity"},
                                           {"CPlaneCollision", "meshe_floor"},
                                           {"CWindField", "meshe_wind"},
                                           {"CStreakRenderer", "meshe_renderer"}});
    SetUpEmitter(nodes[1], XVector(3.5f, 4.0f, 0.0f, 1.0f), 200, 5.0f,
                 {XColour(0.3f, 0.4f, 0.2f, 1.0f), XColour(0.6f, 1.0f, 0.4f, 1.0f)});
    ConnectLastMesh<CMeshEmitter>(nodes[1]);
    AttachInOrder(nodes, {1, 2, 3, 4, 5});
}
