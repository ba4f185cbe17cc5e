#include "scene/node.h"

#include <unordered_set>

#include "scene/node_manager.h"

namespace {

// Every node made consumes one id, registered with a manager or not.
uint32_t lastNodeId = 0;

// Every node that exists, registered or deleted and still held, so that all of
// them can be freed at exit.
std::unordered_set<CNode*> liveNodes;
// Set at exit while every node is freed at once: holding and letting go no
// longer count.
bool destroyingAll = false;

bool InRange(int64_t position, size_t count) {
    return position >= 0 && static_cast<uint64_t>(position) < count;
}

// A freed node lets go of what it holds, which may free more nodes: they are
// freed one after the other rather than from inside each other's destructors,
// so a long chain of held nodes cannot exhaust the stack.
void Free(CNode* node) {
    static std::vector<CNode*> waiting;
    static bool freeing = false;
    waiting.push_back(node);
    if (freeing) return;
    freeing = true;
    while (!waiting.empty()) {
        CNode* next = waiting.back();
        waiting.pop_back();
        delete next;
    }
    freeing = false;
}

} // namespace

CNode::CNode() : id_(++lastNodeId) { liveNodes.insert(this); }

CNode::~CNode() {
    for (NodeInput& input : inputs_) ReleaseNode(input.held);
    liveNodes.erase(this);
}

void RetainNode(CNode* node) {
    if (node && !destroyingAll) ++node->references_;
}

void ReleaseNode(CNode* node) {
    if (destroyingAll || !node || node->references_ == 0) return;
    if (--node->references_ == 0 && node->deleted_) Free(node);
}

void FreeNodeWhenUnreferenced(CNode* node) {
    if (!node) return;
    node->deleted_ = true;
    if (node->references_ == 0) Free(node);
}

void DestroyAllNodes() {
    destroyingAll = true;
    for (CNodeManager* manager : NodeManagers()) manager->nodes.clear();
    std::vector<CNode*> nodes(liveNodes.begin(), liveNodes.end());
    for (CNode* node : nodes) delete node;
    destroyingAll = false;
}

bool CNode::QueryInterface(int32_t, void**) { return false; }

void CNode::AddInput(const char* name, int32_t interfaceId, void** slot) {
    inputs_.push_back(NodeInput{slot, name ? name : "", 0, interfaceId});
}

int32_t CNode::InputInterfaceId(int64_t position) const {
    return InRange(position, inputs_.size()) ? inputs_[position].interfaceId : 0;
}

CNode* CNode::ConnectedNode(int64_t position) const {
    if (!InRange(position, inputs_.size())) return nullptr;
    uint32_t connected = inputs_[position].connectedId;
    return connected ? FindNodeById(connected) : nullptr;
}

int64_t CNode::InputPosition(const char* name) const {
    if (!name) return 0;
    for (size_t i = 0; i < inputs_.size(); ++i)
        if (inputs_[i].name == name) return static_cast<int64_t>(i);
    return 0;
}

bool CNode::Connect(int64_t position, CNode& producer) {
    if (!InRange(position, inputs_.size())) return false;
    NodeInput& input = inputs_[position];
    void* answer = nullptr;
    if (!producer.QueryInterface(input.interfaceId, &answer)) return false;
    input.connectedId = producer.Id();
    if (input.slot) *input.slot = answer;
    // A node connected to itself lives as long as itself anyway.
    CNode* previous = input.held;
    input.held = &producer == this ? nullptr : &producer;
    RetainNode(input.held);
    ReleaseNode(previous);
    return true;
}
