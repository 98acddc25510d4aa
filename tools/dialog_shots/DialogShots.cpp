// Opens each parameter dialog by its command, in English and then in French, as the program
// shows it, and writes its picture to OUTPUT_FOLDER/<template name>.png; Escape closes it.
//
//   dialog_shots OUTPUT_FOLDER
//
// The settings come from the usual VLR.INI, so the script runs it with a configuration folder
// of its own.

#include "platform/MainFrame.h"
#include "platform/TemplateDialog.h"
#include "shell/Application.h"
#include "shell/CommandIds.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>

namespace {

using namespace vellicor;

constexpr int kDialogCommands[] = {command::kArrayParameters, command::kArrayFill,    command::kRandomOptions,
                                   command::kTransitionRules, command::kNeighbourhood, command::kPreferences,
                                   command::kStatistics};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialog_shots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    int written = 0;
    const int status = RunApplication(argc, argv, 0, [&](MainFrame& frame) {
        // Each dialog waits in its modal loop until this timer has taken its picture and pressed
        // Escape; a short wait first lets it be laid out and painted as a person sees it.
        auto* poll = new QTimer(&frame);
        QObject::connect(poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || dialog->property("shot").toBool())
                return;
            dialog->setProperty("shot", true);
            QTimer::singleShot(300, dialog, [&, dialog] {
                const QString path = folder + QLatin1Char('/') + dialog->objectName() + QStringLiteral(".png");
                if (dialog->grab().save(path)) {
                    std::printf("%s\n", qPrintable(path));
                    ++written;
                }
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(dialog, &escape);
            });
        });
        poll->start(20);
        QTimer::singleShot(500, &frame, [&frame] {
            for (const int language : {command::kEnglish, command::kFrench}) {
                frame.SendCommand(language);
                for (const int command : kDialogCommands)
                    frame.SendCommand(command);
            }
            frame.close();
        });
    });
    return status != 0 || written != 2 * static_cast<int>(std::size(kDialogCommands)) ? 1 : 0;
}
