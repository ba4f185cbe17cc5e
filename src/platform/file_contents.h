// Reading a whole file into memory, for the readers of pictures, meshes and
// scripts' data files.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The bytes of the regular file at `path`. False, with `bytes` empty, when it
// cannot be opened or read, when it is not a regular file (a folder, a device
// such as /dev/zero, a pipe: none of them has an end to read to) or when it
// holds more than `maxBytes`.
bool ReadFileContents(const char* path, uint64_t maxBytes, std::string& bytes);

} // namespace platform
