// Groups: nodes that collect other nodes by id and stand in for them.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/node.h"

// A group's member list (interface 4), node ids in insertion order. Ids stay
// listed after their nodes have been deleted; members are held (RetainNode)
// until they leave the list or the group is freed.
class IGroup {
public:
    explicit IGroup(const CNode& owner) : owner_(owner) {}
    ~IGroup();
    IGroup(const IGroup&) = delete;
    IGroup& operator=(const IGroup&) = delete;

    size_t Count() const { return members_.size(); }
    const std::vector<uint32_t>& Members() const { return members_; }

    // False when the id is already a member or names no node.
    bool AddById(uint32_t id);
    bool AddByName(const char* name);
    // Makes a new unnamed node of the type and adds it; false when none is made.
    bool AddByType(int32_t typeId);
    // Each removes the first matching member and keeps the order of the rest.
    bool RemoveById(uint32_t id);
    bool RemoveByName(const char* name);
    bool RemoveByType(int32_t typeId);

private:
    void Append(CNode& node);
    template <class Matches>
    bool RemoveFirst(Matches matches);

    const CNode& owner_;
    std::vector<uint32_t> members_;
    // Beside each member id, the node held for it; null for the group itself,
    // which does not hold itself.
    std::vector<CNode*> held_;
};

class CGroup : public CNode {
public:
    // Interface 4 is the group's own member list; every other interface is the
    // first member's that has it.
    bool QueryInterface(int32_t interfaceId, void** out) override;
    IGroup& Group() { return group_; }

private:
    IGroup group_{*this};
    bool forwarding_ = false; // set while members are asked, so a cycle ends
};
