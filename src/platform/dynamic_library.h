// Loading shared libraries by name and looking up their exports.
#pragma once

// The file-name suffix of shared libraries on this platform.
inline constexpr const char* kSharedLibrarySuffix = ".so";

// Searches the loader's usual places, then the working directory.
void* OpenSharedLibrary(const char* fileName);
void* FindSharedLibraryExport(void* handle, const char* name);
void CloseSharedLibrary(void* handle);
