#include "scene/group.h"

#include <algorithm>

#include "scene/node_manager.h"

IGroup::~IGroup() {
    for (CNode* node : held_) ReleaseNode(node);
}

void IGroup::Append(CNode& node) {
    members_.push_back(node.Id());
    held_.push_back(&node == &owner_ ? nullptr : &node);
    RetainNode(held_.back());
}

bool IGroup::AddById(uint32_t id) {
    if (std::find(members_.begin(), members_.end(), id) != members_.end()) return false;
    CNode* node = FindNodeById(id);
    if (!node) return false;
    Append(*node);
    return true;
}

bool IGroup::AddByName(const char* name) {
    uint32_t id = FindNodeIdByName(name);
    return id && AddById(id);
}

bool IGroup::AddByType(int32_t typeId) {
    CNode* node = CreateNamedNode(typeId, nullptr);
    if (!node) return false;
    Append(*node);
    return true;
}

template <class Matches>
bool IGroup::RemoveFirst(Matches matches) {
    auto found = std::find_if(members_.begin(), members_.end(), matches);
    if (found == members_.end()) return false;
    size_t position = static_cast<size_t>(found - members_.begin());
    CNode* node = held_[position];
    members_.erase(found);
    held_.erase(held_.begin() + static_cast<std::ptrdiff_t>(position));
    ReleaseNode(node); // last: it may free the node
    return true;
}

bool IGroup::RemoveById(uint32_t id) {
    return RemoveFirst([id](uint32_t member) { return member == id; });
}

bool IGroup::RemoveByName(const char* name) {
    if (!name) return false;
    return RemoveFirst([name](uint32_t member) {
        CNode* node = FindNodeById(member);
        return node && node->Name() == name;
    });
}

bool IGroup::RemoveByType(int32_t typeId) {
    return RemoveFirst([typeId](uint32_t member) {
        CNode* node = FindNodeById(member);
        return node && node->TypeId() == typeId;
    });
}

bool CGroup::QueryInterface(int32_t interfaceId, void** out) {
    if (interfaceId == InterfaceGroup) {
        *out = &group_;
        return true;
    }
    // A group that holds itself, directly or through other groups, would
    // otherwise ask itself for ever.
    if (forwarding_) return false;
    forwarding_ = true;
    bool answered = false;
    for (size_t i = 0; i < group_.Members().size() && !answered; ++i) {
        CNode* member = FindNodeById(group_.Members()[i]);
        answered = member && member->QueryInterface(interfaceId, out);
    }
    forwarding_ = false;
    return answered;
}
