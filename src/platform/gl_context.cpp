#include "platform/gl_context.h"

#include <GL/glx.h>
#include <dlfcn.h>
#include <link.h>

#include <cstring>

void DetachGlContext() {
    if (Display* display = glXGetCurrentDisplay()) glXMakeCurrent(display, None, nullptr);
}

void KeepGlDriverLoaded() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            const char* name = info->dlpi_name;
            if (name && strstr(name, "_dri.so")) dlopen(name, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
}
