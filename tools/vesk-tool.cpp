// vesk-tool: data files and the calculation from the command line.

#include "Cipher.h"
#include "DataFile.h"
#include "JsonForm.h"
#include "RunState.h"
#include "ToolSupport.h"

#include <cstdio>
#include <fstream>
#include <iostream>

namespace {

int DeriveKey(const TToolArgs& args) {
    args.ExpectPositional(1);
    const TFileKey key = FileKeyFromText(args.positional[0]);
    for (auto byte : key)
        std::printf("%02x", byte);
    std::printf("\n");
    return ExitOk;
}

int Encipher(const TToolArgs& args) {
    args.ExpectPositional(2);
    EncipherFile(args.positional[0], args.positional[1], FileKeyFromText(args.Option("key")));
    return ExitOk;
}

int Decipher(const TToolArgs& args) {
    args.ExpectPositional(2);
    DecipherFile(args.positional[0], args.positional[1], FileKeyFromText(args.Option("key")));
    return ExitOk;
}

int New(const TToolArgs& args) {
    args.ExpectPositional(1);
    const std::string key = args.Option("key");
    ResetRunState();
    CreateFieldStore();
    RunState().KeySource = key;
    SetFieldStr(TagKeySource, key);
    const int code = SaveDataFile(args.positional[0]);
    FreeFieldStore();
    if (code != 0)
        throw EBadDataError("cannot write " + args.positional[0] + " (code " +
                            std::to_string(code) + ")");
    return ExitOk;
}

int Dump(const TToolArgs& args) {
    args.ExpectPositional(1);
    const TPlainFile file = ReadPlainReturn(args.positional[0], args.Option("key"));
    std::cout << PlainFileToJson(file).dump(2) << "\n";
    return ExitOk;
}

int Build(const TToolArgs& args) {
    args.ExpectPositional(2);
    std::ifstream in(args.positional[0]);
    if (!in) throw EBadDataError("cannot open " + args.positional[0]);
    nlohmann::json json;
    try {
        in >> json;
    } catch (const nlohmann::json::exception& error) {
        throw EBadDataError(args.positional[0] + ": " + error.what());
    }
    const TPlainFile file = JsonToPlainFile(json);
    const TFileKey key = FileKeyFromText(args.Option("key"));
    WriteFileDurably(args.positional[1], EncipherBytes(SerializePlainFile(file), key));
    return ExitOk;
}

void RegisterFileCommands() {
    auto& commands = ToolCommands();
    commands["derive-key"] = {"derive-key KEYTEXT", DeriveKey};
    commands["encipher"] = {"encipher PLAIN OUT --key KEYTEXT", Encipher};
    commands["decipher"] = {"decipher CIPHER OUT --key KEYTEXT", Decipher};
    commands["new"] = {"new OUT --key KEYTEXT", New};
    commands["dump"] = {"dump FILE --key KEYTEXT", Dump};
    commands["build"] = {"build JSON OUT --key KEYTEXT", Build};
}

int Usage(const std::string& problem) {
    if (!problem.empty()) std::cerr << "vesk-tool: " << problem << "\n";
    std::cerr << "usage:\n";
    for (const auto& [name, command] : ToolCommands())
        std::cerr << "  vesk-tool " << command.usage << "\n";
    return ExitUsage;
}

TToolArgs ParseArgs(int argc, char** argv) {
    TToolArgs args;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--", 0) == 0 && arg.size() > 2) {
            if (i + 1 >= argc) throw EUsageError(arg + " needs a value");
            args.options[arg.substr(2)] = argv[++i];
        } else {
            args.positional.push_back(arg);
        }
    }
    return args;
}

} // namespace

void RegisterCalcCommands(); // calc/CalcCommands.cpp

int main(int argc, char** argv) {
    RegisterFileCommands();
    RegisterCalcCommands();
    if (argc < 2) return Usage("");
    const auto it = ToolCommands().find(argv[1]);
    if (it == ToolCommands().end()) return Usage(std::string("unknown command ") + argv[1]);
    try {
        return it->second.run(ParseArgs(argc, argv));
    } catch (const EUsageError& error) {
        return Usage(error.what());
    } catch (const std::exception& error) {
        std::cerr << "vesk-tool: " << error.what() << "\n";
        return ExitBadData;
    }
}
