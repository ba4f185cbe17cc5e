// Input events that automation scripts queue: held until the start of the
// next frame, then delivered in order through the platform back end, the way
// GLUT events arrive.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/glut_backend.h"

class InputQueue {
  public:
    // More pending events than this are refused, so that no script can
    // exhaust memory with them.
    static constexpr size_t kMaxPending = 100000;

    // Each returns false, queuing nothing, when the events would not fit.
    // The pointer moves to (x, y): a drag while a button is held, else a
    // passive motion.
    bool Move(int x, int y);
    // Button 0 (left), 1 (middle) or 2 (right) goes down or up at (x, y),
    // with the modifier keys held (GLUT reports them for button events too).
    bool Button(int button, bool down, int x, int y, int modifiers = 0);
    // One key press per byte of text, at the pointer. With Ctrl held, letters
    // and @ [ \ ] ^ _ arrive as the control characters GLUT reports (Ctrl+A
    // as 1, Ctrl+[ as 27); other characters arrive as written.
    bool Keys(std::string_view text, int modifiers);
    bool SpecialKey(int code, int modifiers);

    // Delivers what is pending; events queued meanwhile wait for the next call.
    void Deliver();
    size_t Pending() const { return pending_.size(); }

  private:
    bool Fits(size_t count) const { return count <= kMaxPending - pending_.size(); }

    std::vector<platform::InputEvent> pending_;
    int x_ = 0;
    int y_ = 0;
    int heldButtons_ = 0; // bit n: button n is down
};

// Reads modifier names: words of letters, each "shift", "ctrl" or "alt",
// separated by anything else ("ctrl+shift", "alt ctrl"). False at the first
// other word, which `unknown` then holds.
bool ParseModifierNames(std::string_view text, int* modifiers, std::string_view* unknown);

// The queue the runner's script functions fill and its frames deliver.
InputQueue& RunnerInput();
