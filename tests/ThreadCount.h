#pragma once
// How many threads this process has now, as the system counts them: a test of cancelled work
// checks that none of it is still running.

#include <fstream>
#include <string>

namespace vellicor::test {

inline int ThreadsOfThisProcess()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Threads:", 0) == 0)
            return std::stoi(line.substr(8));
    return -1;
}

} // namespace vellicor::test
