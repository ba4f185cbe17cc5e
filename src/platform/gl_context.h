// The thread's GL context, as the window system layer holds it.
#pragma once

// Makes no context current, so that GL calls made afterwards (by script
// finalizers while the interpreter closes at exit, say) do nothing at all
// instead of drawing into a surface whose resources are being torn down.
void DetachGlContext();

// Keeps the GL driver's libraries loaded until the process ends. The driver
// is otherwise unloaded when the display closes at exit, and a leak checker
// that runs after that can no longer tell the driver's own allocations from
// ours. Call once a context exists.
void KeepGlDriverLoaded();
