// The scene graph's start-up registration into the interpreter.
#pragma once

#include <cstdint>

#include "scene/node_manager.h"

// Registers the scene libraries, the node types and the emitter functions.
void RegisterSceneLibraries();
// Registers a node type and makes its name a script global holding its id; a
// name already registered changes nothing and runs no script line.
void RegisterScriptNodeType(int32_t typeId, const char* typeName, NodeFactory factory);
