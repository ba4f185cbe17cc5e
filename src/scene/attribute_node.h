// CAttributes: a plain node whose only content is an attribute table, which
// scripts fill and read through Attr.
#pragma once

#include "scene/attributes.h"
#include "scene/node.h"

class CAttributes : public CNode {
public:
    bool QueryInterface(int32_t interfaceId, void** out) override {
        if (interfaceId != InterfaceAttributes) return false;
        *out = &attributes_;
        return true;
    }

private:
    IAttributes attributes_;
};
