// The Node script library and the emitter position functions.
#pragma once

// Registers the library "Node" into the registration state.
void RegisterNodeLibrary();
// Registers the globals EmitterGetPosition and EmitterSetPosition.
void RegisterEmitterFunctions();
