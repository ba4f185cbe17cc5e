// The node base of the scene graph: ids, names, type ids, inputs and the
// interface query by number.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Numbers by which callers ask a node for one of its interfaces.
enum InterfaceId : int32_t {
    InterfaceAttributes = 1,
    InterfaceRender = 2,
    InterfaceUpdate = 3,
    InterfaceGroup = 4,
    InterfaceMesh = 5,
    InterfaceCurve = 7,
    InterfaceEmitter = 8,
    InterfaceField = 9,
    InterfaceParticleRenderer = 10,
    InterfaceParticleSystem = 11,
    InterfaceMeshNode = 12,
    InterfaceMeshTransform = 13,
};

class CNode;

// A named slot in a consumer node that receives an interface of the producer
// connected to it.
struct NodeInput {
    void** slot = nullptr;
    std::string name;
    uint32_t connectedId = 0;
    int32_t interfaceId = 0;
    // The connected producer, held (RetainNode) while connected, so the slot
    // never points into a freed node; null when unconnected or the consumer itself.
    CNode* held = nullptr;
};

class CNode {
public:
    CNode();
    // Lets go of the producers connected to its inputs.
    virtual ~CNode();
    CNode(const CNode&) = delete;
    CNode& operator=(const CNode&) = delete;

    // Writes the interface of that number to *out and answers true, or answers
    // false and leaves *out alone. The base has no interfaces.
    virtual bool QueryInterface(int32_t interfaceId, void** out);

    // Typed convenience over QueryInterface; null when the node refuses.
    template <class Interface>
    Interface* Query(int32_t interfaceId) {
        void* found = nullptr;
        return QueryInterface(interfaceId, &found) ? static_cast<Interface*>(found) : nullptr;
    }

    uint32_t Id() const { return id_; }
    int32_t TypeId() const { return typeId_; }
    void SetTypeId(int32_t typeId) { typeId_ = typeId; }
    const std::string& Name() const { return name_; }
    void SetName(const char* name) { name_ = name ? name : ""; }

    const std::vector<NodeInput>& Inputs() const { return inputs_; }
    // The interface id input `position` accepts; 0 when out of range.
    int32_t InputInterfaceId(int64_t position) const;
    // The node connected to input `position`; null when out of range, unconnected
    // or when that node is no longer registered.
    CNode* ConnectedNode(int64_t position) const;
    // Position of the first input called `name`; 0 when there is none.
    int64_t InputPosition(const char* name) const;
    // Stores the producer's interface in the input's slot and holds the
    // producer, letting go of the one before. False when the position is out
    // of range or the producer lacks the interface.
    bool Connect(int64_t position, CNode& producer);

protected:
    // Node classes declare their inputs in their constructors.
    template <class Interface>
    void DeclareInput(const char* name, int32_t interfaceId, Interface** slot) {
        AddInput(name, interfaceId, reinterpret_cast<void**>(slot));
    }

private:
    friend void RetainNode(CNode* node);
    friend void ReleaseNode(CNode* node);
    friend void FreeNodeWhenUnreferenced(CNode* node);
    void AddInput(const char* name, int32_t interfaceId, void** slot);

    uint32_t references_ = 0;   // holders outside the managers' maps
    bool deleted_ = false;      // taken out of its manager's map

    uint32_t id_;
    std::vector<NodeInput> inputs_;
    int32_t typeId_ = 0;
    std::string name_;
};

// A node deleted through its manager leaves the manager's map but keeps running
// wherever it is still held: groups, other nodes' inputs, the update and render
// lists, particle systems' attached lists, emitters' meshes, renderers'
// systems. Each such holder retains the node while it holds it and releases it
// when it lets go; a deleted node is freed once nothing holds it any more.
void RetainNode(CNode* node);
void ReleaseNode(CNode* node);
// Marks the node deleted (it has left its manager's map) and frees it at once
// when nothing holds it.
void FreeNodeWhenUnreferenced(CNode* node);

// At exit: frees every node there is, registered or deleted and still held,
// and empties the managers.
void DestroyAllNodes();

// Lookups across every node manager, in the order the managers were made.
CNode* FindNodeById(uint32_t id);
// The smallest id among the nodes of that exact name (first manager first); 0 when none.
uint32_t FindNodeIdByName(const char* name);
CNode* FindNodeByName(const char* name);
