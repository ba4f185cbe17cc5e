#include "platform/file_contents.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

namespace platform {

bool ReadFileContents(const char* path, uint64_t maxBytes, std::string& bytes) {
    bytes.clear();
    if (!path) return false;
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path, "rb"), std::fclose);
    struct stat status;
    if (!file || fstat(fileno(file.get()), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    if (uint64_t(status.st_size) <= maxBytes) bytes.reserve(status.st_size);
    char chunk[65536];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        if (bytes.size() + count > maxBytes) {
            bytes.clear();
            return false;
        }
        bytes.append(chunk, count);
    }
    if (!std::ferror(file.get())) return true;
    bytes.clear();
    return false;
}

} // namespace platform
