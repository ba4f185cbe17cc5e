// The emitter interface (id 8) as far as the scene graph's own script
// functions reach into it: the position where particles are born.
#pragma once

#include "scene/attributes.h"

class IEmitter {
public:
    virtual XVector& Position() = 0;

protected:
    ~IEmitter() = default;
};
