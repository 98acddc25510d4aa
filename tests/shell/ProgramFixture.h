#pragma once
// A whole program, started as a person starts it, on a settings file of the test's own and with
// prompts the test answers.

#include "testing/ScriptedPrompts.h"
#include "shell/Program.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

namespace vellicor::test {

class ProgramTest : public ::testing::Test {
protected:
    void Start(int32_t quorrelEdition = 0)
    {
        program = std::make_unique<Program>(quorrelEdition, SettingsPath(), prompts);
        program->Show();
        program->Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program->Frame()));
    }

    std::string SettingsPath() const { return folder.filePath("VLR.INI").toStdString(); }
    void WriteSettings(const std::string& text) const { std::ofstream(SettingsPath(), std::ios::binary) << text; }

    Automaton& A() { return program->GetModel().automaton; }
    void Command(int id) { program->Frame().SendCommand(id); }
    void Key(Qt::Key key) { QTest::keyClick(&program->Frame(), key, Qt::ControlModifier); }

    // False too for an item the bar does not have.
    bool Checked(MenuLanguage bar, int id) const
    {
        const QAction* item = program->Frame().MenuBar(bar).Item(id);
        return item != nullptr && item->isChecked();
    }

    // The texts of the messages shown, or the names of the dialogs opened, in order.
    std::vector<std::string> Logged(PromptRecord::Kind kind) const
    {
        std::vector<std::string> texts;
        for (const PromptRecord& record : prompts.Log())
            if (record.kind == kind)
                texts.push_back(record.text);
        return texts;
    }
    std::vector<std::string> Messages() const { return Logged(PromptRecord::Kind::Message); }
    std::vector<std::string> DialogsOpened() const { return Logged(PromptRecord::Kind::Dialog); }

    QTemporaryDir folder;
    ScriptedPrompts prompts;
    std::unique_ptr<Program> program;
};

} // namespace vellicor::test
