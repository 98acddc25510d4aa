#pragma once
// The commands that run the automaton: Next, Level, Step, Until stable, Continuous and Continuous
// until, with their dialogs and the Retry questions at the iteration limit.

#include "shell/settings/Settings.h"

namespace vellicor {

class MainFrame;
class UserPrompts;

class ProcessingCommands {
public:
    ProcessingCommands(Model& model, UserPrompts& prompts, MainFrame& frame);

    void Next();          // 108
    void Level();         // 109
    void Step();          // 110
    void UntilStable();   // 115
    void Continuous();    // 177
    void ContinuousUntil(); // 178

    // iStep generations as a click outside the cells asks for them: the run, then the Retry
    // question, whose Retry raises the limit and sends Next.
    void StepsFromClick();

    int32_t ContinuousUntilGo() const { return bContinuousUntilGo_; }

    // Retry / Cancel; true when the limit was raised.
    bool AskToRaiseLimit(bool untilStable);

private:
    void RunStepsWithRetry();
    // Generations one by one, each shown before the next, while the counter stays within the
    // bound; a key press ends it.
    void RunContinuously(bool untilTarget);

    Model& model_;
    UserPrompts& prompts_;
    MainFrame& frame_;
    int32_t bContinuousUntilGo_ = 0;
};

} // namespace vellicor
