// The script function MakeMesh.
#pragma once

// Registers the global MakeMesh(path).
void RegisterMeshFunctions();
