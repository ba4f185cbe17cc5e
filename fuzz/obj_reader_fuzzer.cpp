// Feeds arbitrary text to the OBJ reader and builds what it read; every
// triangle must name vertices that exist.
#include <cstdlib>
#include <string_view>

#include "geometry/obj_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ObjReader reader;
    reader.ReadText({reinterpret_cast<const char*>(data), size});
    IMesh mesh;
    reader.Build(mesh);
    if (mesh.IndexCount() != 3 * reader.faces.size()) std::abort();
    for (uint32_t index : mesh.Indices())
        if (index >= mesh.VertexCount()) std::abort();
    return 0;
}
