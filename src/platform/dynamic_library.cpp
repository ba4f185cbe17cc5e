#include "platform/dynamic_library.h"

#include <dlfcn.h>

#include <string>

void* OpenSharedLibrary(const char* fileName) {
    void* handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    // Users drop hook libraries beside their scripts, as in the working directory.
    if (!handle) handle = dlopen(("./" + std::string(fileName)).c_str(), RTLD_NOW | RTLD_LOCAL);
    return handle;
}

void* FindSharedLibraryExport(void* handle, const char* name) {
    return handle ? dlsym(handle, name) : nullptr;
}

void CloseSharedLibrary(void* handle) { dlclose(handle); }
