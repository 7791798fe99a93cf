#include "ToolSupport.h"

#include "Cipher.h"
#include "RunState.h"

std::string TToolArgs::Option(const std::string& name, bool required) const {
    const auto it = options.find(name);
    if (it != options.end()) return it->second;
    if (required) throw EUsageError("missing --" + name);
    return {};
}

void TToolArgs::ExpectPositional(std::size_t count) const {
    if (positional.size() != count)
        throw EUsageError("expected " + std::to_string(count) + " file argument(s)");
}

std::map<std::string, TToolCommand>& ToolCommands() {
    static std::map<std::string, TToolCommand> commands;
    return commands;
}

TPlainFile ReadPlainReturn(const std::string& path, const std::string& keyText) {
    std::string plain;
    try {
        plain = DecipherBytes(ReadWholeFile(path), FileKeyFromText(keyText));
    } catch (const std::system_error& error) {
        throw EBadDataError(error.what());
    } catch (const ECipherException& error) {
        throw EBadDataError(path + ": " + error.what());
    }
    TPlainFile file;
    const TParseOutcome outcome = ParsePlainFile(plain, file);
    switch (outcome.code) {
    case LoadSucceeded:
        return file;
    case ErrSignatureMismatch:
        throw EBadDataError("Unable to open file - " + path);
    case ErrBadFieldTag:
        throw EBadDataError("Error reading file, field tag = " + std::to_string(outcome.badTag) +
                            " last tag = " + std::to_string(outcome.lastTag));
    default:
        throw EBadDataError(path + ": the file ends inside a record");
    }
}

void LoadReturnIntoStore(const std::string& path, const std::string& keyText) {
    ResetRunState();
    CreateFieldStore();
    RunState().KeySource = keyText;
    SetFieldStr(TagKeySource, keyText);
    RunState().DataFilePath = path;
    const int code = LoadDataFile(path);
    if (code != LoadSucceeded)
        throw EBadDataError(path + ": the return could not be read (code " + std::to_string(code) +
                            ")");
}
