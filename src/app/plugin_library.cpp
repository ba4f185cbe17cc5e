#include "app/plugin_library.h"

#include <cstdio>
#include <cstring>

#include "platform/dynamic_library.h"

bool PluginLibrary::Load(const char* baseName) {
    char fileName[1024];
    bool fits = strlen(baseName) + strlen(kSharedLibrarySuffix) < sizeof fileName;
    if (fits) {
        snprintf(fileName, sizeof fileName, "%s%s", baseName, kSharedLibrarySuffix);
        module = OpenSharedLibrary(fileName);
    }
    if (!fits || !module) {
        printf("[ERROR] Unable to load dll %s\n", baseName);
        fflush(stdout);
        return false;
    }
    return true;
}

void* PluginLibrary::GetExport(const char* name) const {
    return FindSharedLibraryExport(module, name);
}

bool PluginLibrary::Free() {
    if (!module) return false;
    CloseSharedLibrary(module);
    module = nullptr;
    return true;
}
