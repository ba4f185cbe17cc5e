// Every script library the system offers, registered in one place.
#pragma once

// Registers all libraries into the one interpreter, in start-up order: the
// shell's functions, Avi, Mp3 and Sound, pictures, lui, 2D drawing and idle
// scripts, then the scene graph with its node types, particles and meshes.
void RegisterScriptLibraries();

// The automation runner's own library, Runner: scriptdesk-run only.
void RegisterAutomationLibraries();
