#pragma once
// Runs vesk-tool (the VESK_TOOL path the test target defines) through a shell, as a user would.

#include <cstdio>
#include <string>
#include <sys/wait.h>

struct TToolRun {
    int exitCode = -1;
    std::string output; // stdout and stderr together
};

inline TToolRun RunTool(const std::string& arguments) {
    TToolRun run;
    FILE* pipe = ::popen((std::string(VESK_TOOL) + " " + arguments + " 2>&1").c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, got);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
