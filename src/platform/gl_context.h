// The thread's GL context, as the window system layer holds it.
#pragma once

// Makes no context current, so that GL calls made afterwards (by script
// finalizers while the interpreter closes at exit, say) do nothing at all
// instead of drawing into a surface whose resources are being torn down.
void DetachGlContext();
