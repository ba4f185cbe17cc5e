// The widget toolkit as the shell sees it: start-up, the draw pass, shutdown,
// and the toolkit's side of the window's events, which the platform back end
// offers to the controls before anything else.
#pragma once

#include "platform/glut_backend.h"

// Toolkit start-up: creates the icon textures, loads the fonts, reads the
// syntax file and sends standard output to "./stdout.log". Needs the GL
// surface.
void initToolkit();
// Draws every visible control with the toolkit's own pixel projection.
void drawToolkit();
// Shutdown: destroys every top-level control, then releases the fonts.
void destroyAll();

// The toolkit as the back end's event filter. Each input handler returns true
// when a control took the event; while the toolkit is hidden none does. The
// special-key handler first lets Alt alone with F12 hide or show the toolkit.
const platform::EventFilter& toolkitEvents();
