#pragma once
// The whole program from start to end, shared by the two editions' executables and by the
// start-up benchmark, which must time exactly what a person starts.

#include <cstdint>
#include <functional>

namespace vellicor {

class MainFrame;

// Creates the application, starts the program of the edition, shows it and runs its message loop
// until it ends; returns the exit code. shown is called once the main window is shown (the
// start-up benchmark watches its first paint from there).
int RunApplication(int& argc, char** argv, int32_t quorrelEdition,
                   const std::function<void(MainFrame&)>& shown = {});

} // namespace vellicor
