// Controls drawn by the toolkit's own draw pass on a 256x256 screen, with
// the event set-up of the toolkit tests, and the frame read back.
#pragma once

#include "frame_fixture.h"
#include "toolkit_fixture.h"

class ControlFrameTest : public ToolkitTest, protected FramePixels {
  protected:
    void SetUp() override;
    // Clears to a dark grey no control draws with, draws every control, grabs.
    void render();
};

// Whether two pixels match in red, green and blue, within `tolerance`.
bool sameColour(const Pixel& a, const Pixel& b, int tolerance = 2);
