// The data file's speed: cipher throughput against OpenSSL's own Triple-DES, load and save of a
// full return, and worksheet look-ups as groups grow.

#include "Cipher.h"
#include "DataFile.h"
#include "Prompter.h"
#include "RunState.h"

#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <filesystem>

namespace {

const std::string Folder = (std::filesystem::temp_directory_path() / "vesk-bench").string();

std::string Bytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = char(i * 131 + 7);
    return bytes;
}

// What `openssl speed -evp des-ede3` measures for 8192-byte blocks, in the same process.
void BM_OpenSslDesEde3Blocks8192(benchmark::State& state) {
    std::string block = Bytes(8192);
    const unsigned char key[24] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                   13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    EVP_EncryptInit_ex(ctx, EVP_des_ede3_ecb(), nullptr, key, nullptr);
    auto* data = reinterpret_cast<unsigned char*>(block.data());
    int produced = 0;
    for (auto _ : state)
        EVP_EncryptUpdate(ctx, data, &produced, data, int(block.size()));
    EVP_CIPHER_CTX_free(ctx);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(block.size()));
}
BENCHMARK(BM_OpenSslDesEde3Blocks8192);

// Encipher then decipher a 4 MiB file; bytes processed count both passes.
void BM_EncipherDecipherFile4MiB(benchmark::State& state) {
    std::filesystem::create_directories(Folder);
    const std::string plain = Folder + "/plain", cipher = Folder + "/cipher",
                      back = Folder + "/back";
    WriteFileDurably(plain, Bytes(4 << 20));
    const TFileKey key = DeriveFileKey("12345678");
    for (auto _ : state) {
        EncipherFile(plain, cipher, key);
        DecipherFile(cipher, back, key);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * 2 * (4 << 20));
}
BENCHMARK(BM_EncipherDecipherFile4MiB)->Unit(benchmark::kMillisecond);

TSilentPrompter quiet;

// Tags the fill leaves alone: the instance window, the worksheet holders and the lodgment
// markers (a lodged return is saved only once).
bool LeftAlone(int tag) {
    return (tag >= WindowFirst && tag <= WindowPackLast) || (tag >= 751 && tag <= 1010) ||
           (tag >= WindowExtraFirst && tag <= WindowExtraLast) ||
           (tag >= TagLodgedLastSave && tag <= TagLodgedLocked);
}

// Four rows of a three-column table.
TStringList Table() {
    TStringList lines;
    for (int row = 0; row < 4; ++row)
        for (const char* cell : {"01/07/2003", "30/06/2004", "Full time"})
            lines.push_back(cell);
    return lines;
}

void FillInstance(int group, int instance) {
    UnpackWorksheetInstance(group, instance);
    SetFieldStr(TagLabel, "Person number " + std::to_string(instance));
    for (int tag = 711; tag <= 749; ++tag) {
        if (tag % 10 == 7)
            SetFieldLst(tag, Table());
        else if (tag % 3 == 0)
            SetFieldVal(tag, tag * 1.25L);
        else if (tag % 3 == 1)
            SetFieldChecked(tag);
        else
            SetFieldStr(tag, "01/07/2003");
    }
    PackWorksheetInstance(group, instance);
}

// Every tag filled, 20 spouses and 30 dependants with every table filled: a return far beyond
// any real family's.
void FillFullReturn() {
    ResetRunState();
    CreateFieldStore();
    SetPrompter(&quiet);
    RunState().KeySource = "12345678";
    SetFieldStr(TagKeySource, "12345678");
    RunState().ScreenHistory.assign(40, 7803);
    for (int tag = 2; tag <= MaxTag; ++tag) {
        if (LeftAlone(tag)) continue;
        switch (tag % 4) {
        case 0:
            SetFieldVal(tag, tag + 0.5L);
            break;
        case 1:
            SetFieldStr(tag, "Text of " + std::to_string(tag));
            break;
        case 2:
            SetFieldChecked(tag);
            break;
        default:
            SetFieldLst(tag, {"A list line"});
            break;
        }
    }
    for (int i = 1; i <= 20; ++i)
        FillInstance(SpouseGroup, i);
    for (int i = 1; i <= 30; ++i)
        FillInstance(DependantGroup, i);
}

void BM_SaveFullReturn(benchmark::State& state) {
    std::filesystem::create_directories(Folder);
    FillFullReturn();
    const std::string path = Folder + "/FULL.TAX";
    for (auto _ : state)
        if (SaveDataFile(path) != 0) state.SkipWithError("save failed");
    state.counters["file_bytes"] = double(std::filesystem::file_size(path));
    FreeFieldStore();
}
BENCHMARK(BM_SaveFullReturn)->Unit(benchmark::kMillisecond);

void BM_LoadFullReturn(benchmark::State& state) {
    std::filesystem::create_directories(Folder);
    FillFullReturn();
    const std::string path = Folder + "/FULL.TAX";
    SaveDataFile(path);
    for (auto _ : state)
        if (LoadDataFile(path) != LoadSucceeded) state.SkipWithError("load failed");
    FreeFieldStore();
}
BENCHMARK(BM_LoadFullReturn)->Unit(benchmark::kMillisecond);

// A look-up costs the same whether the group holds 100 or 5,000 entries.
void BM_GetWorksheetField(benchmark::State& state) {
    ResetRunState();
    CreateFieldStore();
    const int entries = int(state.range(0));
    const int perInstance = 10;
    for (int instance = 1; instance <= entries / perInstance; ++instance) {
        UnpackWorksheetInstance(DependantGroup, instance);
        for (int k = 0; k < perInstance; ++k)
            SetFieldVal(1100 + k, instance + k);
        PackWorksheetInstance(DependantGroup, instance);
    }
    const int instances = entries / perInstance;
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetWorksheetField(DependantGroup, i % instances, 1100 + i % 10));
        ++i;
    }
    FreeFieldStore();
}
BENCHMARK(BM_GetWorksheetField)->Arg(100)->Arg(5000);

} // namespace

BENCHMARK_MAIN();
