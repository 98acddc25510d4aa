// The program as a person starts it, plus one thing no user sees: it prints "painted" once the
// main window has been painted for the first time, then quits. The start-up benchmark times fresh
// processes of it from the spawn to that line. With "--bare" it shows an empty Qt window instead,
// the floor that loading Qt and its platform plugin sets for any program.

#include "platform/MainFrame.h"
#include "shell/Application.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

class FirstPaintReporter : public QObject {
public:
    explicit FirstPaintReporter(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // The window's children are painted in the same pass; report once it is over.
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
        QApplication app(argc, argv);
        QWidget window;
        window.resize(800, 600);
        new FirstPaintReporter(window);
        window.show();
        return QApplication::exec();
    }
    return vellicor::RunApplication(argc, argv, 0, [](vellicor::MainFrame& frame) { new FirstPaintReporter(frame); });
}
