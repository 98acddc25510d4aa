#pragma once
// A whole program, started as a person starts it, on a settings file of the test's own and with
// prompts the test answers.

#include "platform/ScriptedPrompts.h"
#include "shell/Program.h"

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

    // The messages shown, in order.
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const PromptRecord& record : prompts.Log())
            if (record.kind == PromptRecord::Kind::Message)
                texts.push_back(record.text);
        return texts;
    }
    std::vector<std::string> DialogsOpened() const
    {
        std::vector<std::string> names;
        for (const PromptRecord& record : prompts.Log())
            if (record.kind == PromptRecord::Kind::Dialog)
                names.push_back(record.text);
        return names;
    }

    QTemporaryDir folder;
    ScriptedPrompts prompts;
    std::unique_ptr<Program> program;
};

} // namespace vellicor::test
