#pragma once
// What a continuous run needs from the event loop: between two generations the windows repaint,
// timers and resizes go on, and the person's input is taken but not acted on. A key press ends the
// run; clicks, menu choices, accelerators and the close box of a window are consumed and lost, as
// they were when the run polled the message queue itself. Exists only for the length of a run.

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace vellicor {

class InputPoll : public QObject {
public:
    InputPoll();
    ~InputPoll() override;
    InputPoll(const InputPoll&) = delete;
    InputPoll& operator=(const InputPoll&) = delete;

    // Runs the events that are waiting, without blocking. Returns true when a key was pressed
    // since the poll began or since the last call.
    bool Poll();

    // The mouse reaches this window and what it holds (a progress window's Cancel button), and
    // its close box closes it; keys still stop the run.
    void LetThrough(QWidget* window) { window_ = window; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed_ = false;
    QPointer<QWidget> window_;
};

} // namespace vellicor
