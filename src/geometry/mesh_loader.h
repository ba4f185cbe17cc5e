// Loading OBJ files into new mesh nodes.
#pragma once

#include "geometry/mesh.h"

// Reads the OBJ file into a new node of type 3 named "mesh1", makes it the last
// loaded mesh and prints "New Mesh Loaded, id=<id>". Null, creating nothing,
// when the file cannot be read.
CMesh* LoadMesh(const char* path);
