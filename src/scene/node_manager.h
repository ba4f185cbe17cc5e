// Node managers (the containers of registered nodes) and the registry of node
// types by name.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "scene/node.h"

class CNodeManager {
public:
    // Every manager joins the global manager list on construction.
    CNodeManager();
    virtual ~CNodeManager();
    CNodeManager(const CNodeManager&) = delete;
    CNodeManager& operator=(const CNodeManager&) = delete;

    // Builds and registers a node of that type; its id, or 0 when nothing was made.
    virtual uint32_t CreateNode(int32_t typeId) = 0;

    // Registered nodes by ascending id. A node taken out stays alive while
    // lists, groups or inputs hold it (RetainNode) and is freed after.
    std::map<uint32_t, CNode*> nodes;
};

class CSceneNodeManager : public CNodeManager {
public:
    // Prints "P = <id>" for every node made.
    uint32_t CreateNode(int32_t typeId) override;
};

// All managers in creation order.
const std::vector<CNodeManager*>& NodeManagers();
// The scene's manager, made at start-up registration; null before.
CSceneNodeManager* SceneNodeManager();
void SetSceneNodeManager(CSceneNodeManager* manager);
// Makes the scene's node manager.
void StartSceneGraph();

// Creates a node through the scene manager and names it (a null name leaves it
// empty); null when the type makes nothing.
CNode* CreateNamedNode(int32_t typeId, const char* name);
// Takes the node out of the first manager that has it; the node is freed once
// nothing holds it, at once when nothing does.
bool DeleteNodeById(uint32_t id);
bool DeleteNodeByName(const char* name);

// ---- Type registry --------------------------------------------------------

using NodeFactory = CNode* (*)();

template <class Node>
CNode* MakeNode() {
    return new Node;
}

struct NodeTypeRecord {
    int32_t typeId;
    NodeFactory factory; // null: a registered type whose nodes cannot be made yet
    std::string typeName;
};

// Adds the type; false, changing nothing, when the name is already registered.
bool RegisterNodeType(int32_t typeId, const char* typeName, NodeFactory factory);
// 0 when no type has that exact name.
int32_t TypeIdByName(const char* typeName);
// Sorted by type name, byte order.
const std::vector<NodeTypeRecord>& NodeTypes();
