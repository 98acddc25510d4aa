#include "shell/Application.h"

#include "platform/ProgramIcon.h"
#include "platform/QtUserPrompts.h"
#include "shell/AutomatonFiles.h"
#include "shell/Program.h"
#include "shell/settings/SettingsFile.h"

#include <QApplication>

namespace vellicor {

int RunApplication(int& argc, char** argv, int32_t quorrelEdition, const std::function<void(MainFrame&)>& shown)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    // The installed desktop entry of the edition, which a Wayland compositor finds by this name.
    QGuiApplication::setDesktopFileName(QLatin1String(quorrelEdition != 0 ? QUORREL_DESKTOP_ID : VELLICOR_DESKTOP_ID));
    QtUserPrompts prompts;
    Program program(quorrelEdition, SettingsFilePathFromEnvironment(), prompts);
    prompts.SetOwner(&program.Frame());
    program.Show();
    // "vellicor FILE": the file opens once the window is there, so that a refusal has its owner;
    // a bad or missing file leaves the program as it starts without one.
    program.Files().OpenArguments(QApplication::arguments());
    if (shown)
        shown(program.Frame());
    return QApplication::exec();
}

} // namespace vellicor
