// Bounds on what one script request may make the system allocate, shared by
// every library that lets a script choose a size.
#pragma once

#include <cstdint>

// The most storage one array whose size a script chooses may take: 256 MiB.
constexpr uint64_t kScriptArrayByteLimit = uint64_t{256} << 20;

// Whether `count` elements of `elementBytes` bytes each stay within the bound
// (no product is formed, so no count can overflow it).
constexpr bool FitsScriptArrayLimit(uint64_t count, uint64_t elementBytes) {
    return elementBytes == 0 || count <= kScriptArrayByteLimit / elementBytes;
}
