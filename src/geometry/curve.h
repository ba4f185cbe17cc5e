// Curve nodes: a data block that curve emitters accept as input. Nothing in
// the system fills or reads it yet.
#pragma once

#include <vector>

#include "scene/attributes.h"
#include "scene/node.h"

// Interface 7: control points and their tangents, both empty at creation.
struct ICurve {
    std::vector<XVector> points;
    std::vector<XVector> tangents;
};

// Node type 4.
class CCurve : public CNode {
  public:
    // Answers 7 only.
    bool QueryInterface(int32_t interfaceId, void** out) override {
        if (interfaceId != InterfaceCurve) return false;
        *out = &curve_;
        return true;
    }
    ICurve& Curve() { return curve_; }

  private:
    ICurve curve_;
};
