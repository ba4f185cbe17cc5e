// Holding the node connected to an input while the input's owner uses it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "scene/node.h"

// The node base stores a connected node's interface in the owner's slot
// without telling the owner. Before each use the owner asks Follow, which
// notices a new connection, holds the node behind it (RetainNode) and lets go
// of the one before, so a connected node deleted through its manager stays
// alive for as long as it is connected here.
class HeldInput {
  public:
    explicit HeldInput(size_t position) : position_(position) {}
    ~HeldInput() { ReleaseNode(node_); }
    HeldInput(const HeldInput&) = delete;
    HeldInput& operator=(const HeldInput&) = delete;

    // The slot's interface when it belongs to the node held for this input;
    // null when nothing usable is connected.
    template <class Interface> Interface* Follow(const CNode& owner, Interface* slotValue) {
        return static_cast<Interface*>(FollowSlot(owner, slotValue));
    }
    // Connects the producer to the input and holds it at once, also when it
    // has already left its manager. False when the input refuses it.
    bool Connect(CNode& owner, CNode& producer);

  private:
    void* FollowSlot(const CNode& owner, void* slotValue);
    void* SlotValue(const CNode& owner) const;
    void Hold(CNode* node, void* interface);

    size_t position_;
    uint32_t seenId_ = 0;
    void* seenSlot_ = nullptr;
    CNode* node_ = nullptr;
    void* interface_ = nullptr;
};
