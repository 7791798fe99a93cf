// Any bytes as the plain form of a data file: the load must never read out of bounds, and what
// it keeps must save and load again to the same bytes.

#include "DataFile.h"
#include "Prompter.h"
#include "RunState.h"

#include <cstdint>
#include <cstdlib>

namespace {
TSilentPrompter silent;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SetPrompter(&silent);
    ResetRunState();
    CreateFieldStore();
    RunState().KeySource = std::string(1, '1'); // a literal here trips a false -Wrestrict
    LoadPlainIntoStore(std::string_view(reinterpret_cast<const char*>(data), size), "F.TAX");
    const std::string saved = SerializeStore();
    for (int group : {SpouseGroup, DependantGroup}) {
        UnpackWorksheetInstance(group, 1);
        PackWorksheetInstance(group, 1);
    }
    TPlainFile file;
    const TParseOutcome outcome = ParsePlainFile(saved, file);
    if (outcome.code != LoadSucceeded) std::abort(); // a save must always read back
    if (SerializePlainFile(file) != saved) std::abort();
    FreeFieldStore();
    return 0;
}
