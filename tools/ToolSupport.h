#pragma once
// What every vesk-tool command shares: arguments, failures and reading a return.

#include "DataFile.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// Exit codes.
constexpr int ExitOk = 0;
constexpr int ExitBadData = 1;
constexpr int ExitUsage = 2;

class EUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EBadDataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Positional arguments and --name value options of one command.
struct TToolArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;

    // The option's value; throws EUsageError when it is required and missing.
    std::string Option(const std::string& name, bool required = true) const;
    void ExpectPositional(std::size_t count) const;
};

struct TToolCommand {
    std::string usage; // after "vesk-tool "
    std::function<int(const TToolArgs&)> run;
};

// The commands by name; calc adds its own through RegisterCalcCommands.
std::map<std::string, TToolCommand>& ToolCommands();

// Deciphers and parses a data file; throws EBadDataError with the reason.
TPlainFile ReadPlainReturn(const std::string& path, const std::string& keyText);
// Loads a data file into a fresh field store and run state, as the module does.
void LoadReturnIntoStore(const std::string& path, const std::string& keyText);
