// Parses arbitrary text as a script's attribute path ("node.attr[12]").
#include <cstdlib>
#include <string>

#include "scene/attributes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    AttributePath path;
    if (ParseAttributePath(text.c_str(), &path) &&
        (path.index < -1 || path.node.find('.') != std::string::npos))
        std::abort();
    return 0;
}
