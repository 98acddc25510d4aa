#include "platform/ProgramIcon.h"
#include "platform/QtUserPrompts.h"
#include "shell/Program.h"
#include "shell/settings/SettingsFile.h"

#include <QApplication>

#ifndef VELLICOR_QUORREL_EDITION
#error "VELLICOR_QUORREL_EDITION selects the edition: 0 for vellicor, 1 for quorrel"
#endif

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(vellicor::ProgramIcon());
    vellicor::QtUserPrompts prompts;
    vellicor::Program program(VELLICOR_QUORREL_EDITION, vellicor::SettingsFilePathFromEnvironment(), prompts);
    prompts.SetOwner(&program.Frame());
    program.Show();
    return QApplication::exec();
}
