#include "platform/gl_context.h"

#include <GL/glx.h>

void DetachGlContext() {
    if (Display* display = glXGetCurrentDisplay()) glXMakeCurrent(display, None, nullptr);
}
