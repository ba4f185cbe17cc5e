// The Psys script library and the preset networks as script globals.
#pragma once

// Registers the library "Psys".
void RegisterParticleLibrary();
// Registers CreateGravity, CreateSimple, CreateMeshParticles and CreateMeshEmitter.
void RegisterParticlePresets();
