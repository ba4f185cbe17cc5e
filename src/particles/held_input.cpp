#include "particles/held_input.h"

void HeldInput::Hold(CNode* node, void* interface) {
    RetainNode(node);
    ReleaseNode(node_);
    node_ = node;
    interface_ = node ? interface : nullptr;
}

void* HeldInput::SlotValue(const CNode& owner) const {
    return *owner.Inputs()[position_].slot;
}

void* HeldInput::FollowSlot(const CNode& owner, void* slotValue) {
    uint32_t connectedId = owner.Inputs()[position_].connectedId;
    if (connectedId == seenId_ && slotValue == seenSlot_) return interface_;
    seenId_ = connectedId;
    seenSlot_ = slotValue;
    // Only a registered node whose answer is the slot's value is taken: a slot
    // whose node is already gone is never used.
    auto position = static_cast<int64_t>(position_);
    CNode* connected = owner.ConnectedNode(position);
    void* answer = nullptr;
    bool usable = connected && slotValue &&
                  connected->QueryInterface(owner.InputInterfaceId(position), &answer) &&
                  answer == slotValue;
    Hold(usable ? connected : nullptr, slotValue);
    return interface_;
}

bool HeldInput::Connect(CNode& owner, CNode& producer) {
    if (!owner.Connect(static_cast<int64_t>(position_), producer)) return false;
    seenId_ = producer.Id();
    seenSlot_ = SlotValue(owner);
    Hold(&producer, seenSlot_);
    return true;
}
