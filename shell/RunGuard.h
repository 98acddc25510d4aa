#pragma once
// What a command holds while the automaton runs inside it: the wait cursor, and the input poll
// that keeps the windows alive while swallowing the person's input (no command may start nested
// inside a run). A key press asks the run to stop.
//
// The run polls: KeepGoing() delivers what is pending without waiting, so a run never waits for an
// event to arrive and never depends on a timer to look at the keyboard.

#include "platform/InputPoll.h"

namespace vellicor {

class RunGuard {
public:
    RunGuard();  // shows the wait cursor
    ~RunGuard(); // gives the cursor back

    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

    // Delivers pending events; false once a key has been pressed.
    bool KeepGoing();

    // A real wait of this many milliseconds, during which events flow; a key press ends it early.
    void Pause(int milliseconds);

    // The mouse works in this window during the run (see InputPoll::LetThrough).
    void LetThrough(QWidget* window) { poll_.LetThrough(window); }

private:
    InputPoll poll_;
    bool stopRequested_ = false;
};

} // namespace vellicor
