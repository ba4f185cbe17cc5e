#include "scene/node_manager.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "scene/scheduler.h"

namespace {

std::vector<CNodeManager*> managers;
CSceneNodeManager* sceneManager = nullptr;
std::vector<NodeTypeRecord> nodeTypes;

const NodeTypeRecord* FindTypeByName(const char* typeName) {
    for (const NodeTypeRecord& record : nodeTypes)
        if (record.typeName == typeName) return &record;
    return nullptr;
}

NodeFactory FactoryOf(int32_t typeId) {
    for (const NodeTypeRecord& record : nodeTypes)
        if (record.typeId == typeId) return record.factory;
    return nullptr;
}

} // namespace

CNodeManager::CNodeManager() { managers.push_back(this); }

CNodeManager::~CNodeManager() { std::erase(managers, this); }

uint32_t CSceneNodeManager::CreateNode(int32_t typeId) {
    NodeFactory factory = FactoryOf(typeId);
    CNode* node = factory ? factory() : nullptr;
    if (!node) return 0;
    node->SetTypeId(typeId);
    HoldNodeWhileScheduled(*node);
    printf("P = %u\n", node->Id());
    nodes[node->Id()] = node;
    return node->Id();
}

const std::vector<CNodeManager*>& NodeManagers() { return managers; }
CSceneNodeManager* SceneNodeManager() { return sceneManager; }
void SetSceneNodeManager(CSceneNodeManager* manager) { sceneManager = manager; }
void StartSceneGraph() { SetSceneNodeManager(new CSceneNodeManager); }

CNode* FindNodeById(uint32_t id) {
    for (CNodeManager* manager : managers) {
        auto found = manager->nodes.find(id);
        if (found != manager->nodes.end()) return found->second;
    }
    return nullptr;
}

uint32_t FindNodeIdByName(const char* name) {
    if (!name) return 0;
    for (CNodeManager* manager : managers)
        for (const auto& [id, node] : manager->nodes)
            if (node->Name() == name) return id;
    return 0;
}

CNode* FindNodeByName(const char* name) { return FindNodeById(FindNodeIdByName(name)); }

CNode* CreateNamedNode(int32_t typeId, const char* name) {
    if (!sceneManager) return nullptr;
    CNode* node = FindNodeById(sceneManager->CreateNode(typeId));
    if (node) node->SetName(name);
    return node;
}

bool DeleteNodeById(uint32_t id) {
    for (CNodeManager* manager : managers) {
        auto found = manager->nodes.find(id);
        if (found == manager->nodes.end()) continue;
        CNode* node = found->second;
        manager->nodes.erase(found);
        FreeNodeWhenUnreferenced(node);
        return true;
    }
    return false;
}

bool DeleteNodeByName(const char* name) { return DeleteNodeById(FindNodeIdByName(name)); }

bool RegisterNodeType(int32_t typeId, const char* typeName, NodeFactory factory) {
    if (!typeName || FindTypeByName(typeName)) return false;
    nodeTypes.push_back(NodeTypeRecord{typeId, factory, typeName});
    std::stable_sort(nodeTypes.begin(), nodeTypes.end(),
                     [](const NodeTypeRecord& a, const NodeTypeRecord& b) {
                         return strcmp(a.typeName.c_str(), b.typeName.c_str()) < 0;
                     });
    return true;
}

int32_t TypeIdByName(const char* typeName) {
    const NodeTypeRecord* record = typeName ? FindTypeByName(typeName) : nullptr;
    return record ? record->typeId : 0;
}

const std::vector<NodeTypeRecord>& NodeTypes() { return nodeTypes; }
