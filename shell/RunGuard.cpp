#include "shell/RunGuard.h"

#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>

namespace vellicor {

RunGuard::RunGuard() { QApplication::setOverrideCursor(Qt::WaitCursor); }

RunGuard::~RunGuard() { QApplication::restoreOverrideCursor(); }

bool RunGuard::KeepGoing()
{
    if (!stopRequested_ && poll_.Poll())
        stopRequested_ = true;
    return !stopRequested_;
}

void RunGuard::Pause(int milliseconds)
{
    // Whole milliseconds of real time, whatever the processor's speed; the windows are served
    // between the slices, so a key still stops the run at once.
    const QDeadlineTimer deadline(milliseconds, Qt::PreciseTimer);
    while (milliseconds > 0 && KeepGoing() && !deadline.hasExpired())
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(deadline.remainingTime(), 1)));
}

} // namespace vellicor
