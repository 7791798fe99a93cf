#include "DataFile.h"

#include "Cipher.h"
#include "Prompter.h"
#include "RunState.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t EntryHeaderSize = 18;

// Bounds-checked reads over the plain bytes: a count or length that runs past the end fails
// before anything is allocated from it.
class TByteReader {
public:
    explicit TByteReader(std::string_view bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    std::size_t Remaining() const { return bytes_.size() - pos_; }

    bool Read(void* out, std::size_t length) {
        if (length > Remaining()) return false;
        std::memcpy(out, bytes_.data() + pos_, length);
        pos_ += length;
        return true;
    }
    bool ReadByte(std::uint8_t& value) { return Read(&value, 1); }
    bool ReadInt32(std::int32_t& value) {
        std::uint8_t b[4];
        if (!Read(b, 4)) return false;
        value = std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                             std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24);
        return true;
    }
    bool ReadText(std::string& text, std::size_t length) {
        if (length > Remaining()) return false;
        text.assign(bytes_.substr(pos_, length));
        pos_ += length;
        return true;
    }
    bool ReadShortText(std::string& text) {
        std::uint8_t length = 0;
        return ReadByte(length) && ReadText(text, length);
    }
    // int32 N and N bytes: the list text up to its first 0 byte.
    bool ReadListText(std::optional<TStringList>& list) {
        std::int32_t length = 0;
        std::string text;
        if (!ReadInt32(length) || length < 0 || !ReadText(text, std::size_t(length))) return false;
        if (length == 0) return true;
        list = SplitLines(std::string_view(text).substr(0, text.find('\0')));
        return true;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

class TByteWriter {
public:
    void Bytes(const void* data, std::size_t length) {
        out_.append(static_cast<const char*>(data), length);
    }
    void Byte(std::uint8_t value) { out_ += char(value); }
    void Int32(std::int32_t value) {
        for (int i = 0; i < 4; ++i)
            Byte(std::uint8_t(std::uint32_t(value) >> (8 * i)));
    }
    void Value(const TRawValue& value) { Bytes(value.data(), value.size()); }
    void ShortText(std::string_view text) {
        Byte(std::uint8_t(text.size()));
        Bytes(text.data(), text.size());
    }
    // The list text, a 0 byte and two padding bytes, after its length.
    void ListText(const TStringList* lines) {
        if (!lines || lines->empty()) return Int32(0);
        const std::string text = JoinLines(*lines);
        Int32(std::int32_t(text.size() + 3));
        Bytes(text.data(), text.size());
        Bytes("\0\0\0", 3);
    }
    std::string& Result() { return out_; }

private:
    std::string out_;
};

TRawValue CleanSmallText(const TRawValue& value) {
    TRawValue clean{};
    clean[0] = std::min<std::uint8_t>(value[0], MaxSmallTextLength);
    std::copy_n(value.begin() + 1, clean[0], clean.begin() + 1);
    return clean;
}

TRawValue CleanCheckbox(const TRawValue& value) {
    TRawValue clean{};
    clean[0] = value[0] == 1 ? 1 : 0;
    return clean;
}

bool ReadEntry(TByteReader& reader, TWorksheetEntry& entry) {
    std::uint8_t header[EntryHeaderSize];
    if (!reader.Read(header, sizeof header)) return false;
    entry.instance = std::uint16_t(header[0] | header[1] << 8);
    entry.tag = std::int32_t(std::uint32_t(header[2]) | std::uint32_t(header[3]) << 8 |
                             std::uint32_t(header[4]) << 16 | std::uint32_t(header[5]) << 24);
    entry.type = TDataType(header[6]);
    entry.spare = header[7];
    std::copy_n(header + 8, entry.value.size(), entry.value.begin());
    switch (entry.type) {
    case dtString:
        entry.value = {};
        return reader.ReadShortText(entry.text);
    case dtList:
        entry.value = {};
        return reader.ReadListText(entry.list);
    case dtCheckbox:
        return reader.Read(entry.value.data(), entry.value.size());
    default:
        return true;
    }
}

void WriteEntry(TByteWriter& writer, const TWorksheetEntry& entry) {
    writer.Bytes(&entry.instance, 2); // little-endian hosts only, as the amounts are
    writer.Int32(entry.tag);
    writer.Byte(entry.type);
    writer.Byte(entry.spare);
    switch (entry.type) {
    case dtString:
        writer.Value({});
        writer.ShortText(entry.text);
        break;
    case dtList:
        writer.Value({});
        writer.ListText(entry.list ? &*entry.list : nullptr);
        break;
    case dtSmallStr:
        writer.Value(CleanSmallText(entry.value));
        break;
    case dtCheckbox:
        writer.Value(CleanCheckbox(entry.value));
        writer.Value(CleanCheckbox(entry.value));
        break;
    default:
        writer.Value(entry.value);
        break;
    }
}

bool ReadRecordValue(TByteReader& reader, TFieldSlot& slot) {
    switch (slot.type) {
    case dtNumeric:
    case dtCurrency:
    case dtCurrencyCnt:
    case dtCheckbox:
        return reader.Read(slot.value.data(), slot.value.size());
    case dtString:
        return reader.ReadShortText(slot.text);
    case dtSmallStr: {
        std::string text;
        if (!reader.ReadShortText(text)) return false;
        // Never written by a save; kept whole as a long text rather than cut.
        if (text.size() > std::size_t(MaxSmallTextLength)) {
            slot.type = dtString;
            slot.text = std::move(text);
            return true;
        }
        slot.value[0] = std::uint8_t(text.size());
        std::copy(text.begin(), text.end(), slot.value.begin() + 1);
        return true;
    }
    case dtList: {
        std::optional<TStringList> lines;
        if (!reader.ReadListText(lines)) return false;
        if (lines) slot.list = std::make_unique<TStringList>(std::move(*lines));
        return true;
    }
    case dtWorksheet: {
        std::int32_t count = 0;
        if (!reader.ReadInt32(count) || count < 0) return false;
        slot.worksheet = std::make_unique<TWorksheet>();
        for (std::int32_t i = 0; i < count; ++i) {
            TWorksheetEntry entry;
            if (!ReadEntry(reader, entry)) return false;
            slot.worksheet->Append(std::move(entry));
        }
        return true;
    }
    default:
        return true;
    }
}

void WriteRecord(TByteWriter& writer, int tag, const TFieldSlot& slot) {
    writer.Int32(tag);
    writer.Byte(slot.type);
    switch (slot.type) {
    case dtString:
        writer.ShortText(slot.text);
        break;
    case dtSmallStr:
        writer.ShortText(
            std::string_view(reinterpret_cast<const char*>(slot.value.data() + 1),
                             std::min<std::size_t>(slot.value[0], MaxSmallTextLength)));
        break;
    case dtCheckbox:
        writer.Value(CleanCheckbox(slot.value));
        break;
    case dtList:
        writer.ListText(slot.list.get());
        break;
    case dtWorksheet:
        writer.Int32(std::int32_t(slot.worksheet->Entries().size()));
        for (const auto& entry : slot.worksheet->Entries())
            WriteEntry(writer, entry);
        break;
    default:
        writer.Value(slot.value);
        break;
    }
}

void WriteHeader(TByteWriter& writer, std::int32_t section, std::int32_t item,
                 const std::vector<std::int32_t>& history) {
    writer.Bytes(FileSignature.data(), FileSignature.size());
    writer.Int32(section);
    writer.Int32(item);
    writer.Int32(std::int32_t(history.size()));
    for (std::int32_t id : history)
        writer.Int32(id);
}

// One line of the support mode's plain dump, or nothing for lists and worksheets.
std::string TestLine(int tag, const TFieldSlot& slot) {
    auto amount = [&] {
        char buffer[48];
        std::snprintf(buffer, sizeof buffer, "%.15Lg", ExtendedToAmount(slot.value));
        return std::string(buffer);
    };
    const std::string number = std::to_string(tag);
    switch (slot.type) {
    case dtNumeric:
        return number + " Numeric " + amount() + "\r\n";
    case dtCurrency:
    case dtCurrencyCnt:
        return number + " Currency " + amount() + "\r\n";
    case dtSmallStr:
        return number + " smallstring " + FieldAsText(tag) + "\r\n";
    case dtString:
        return number + " string " + slot.text + "\r\n";
    case dtCheckbox:
        return number + " Checkbox \r\n";
    default:
        return {};
    }
}

std::string ChangeExtension(const std::string& fileName, const char* extension) {
    return fs::path(fileName).replace_extension(extension).string();
}

bool SamePath(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

[[noreturn]] void ThrowErrno(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

// A name beside path that nothing holds yet.
std::string UniqueSibling(const std::string& path, const char* purpose) {
    static std::mt19937 random{std::random_device{}()};
    for (;;) {
        const std::string name = path + "." + purpose + "-" + std::to_string(random() % 1000000);
        if (!fs::exists(name)) return name;
    }
}

void SyncFolderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Writes the new data file beside the old one and swaps it in, the old one becoming the
// backup; the data file is never missing or half written, whatever fails.
void ReplaceWithBackup(const std::string& path, std::string_view bytes) {
    const std::string fresh = UniqueSibling(path, "new");
    WriteFileDurably(fresh, bytes);
    std::string oldCopy;
    if (fs::exists(path)) {
        oldCopy = UniqueSibling(path, "old");
        if (::link(path.c_str(), oldCopy.c_str()) != 0) {
            try {
                WriteFileDurably(oldCopy, ReadWholeFile(path));
            } catch (...) {
                std::remove(oldCopy.c_str());
                std::remove(fresh.c_str());
                throw;
            }
        }
    }
    if (std::rename(fresh.c_str(), path.c_str()) != 0) {
        const int error = errno;
        std::remove(fresh.c_str());
        if (!oldCopy.empty()) std::remove(oldCopy.c_str());
        throw std::system_error(error, std::generic_category(), "Cannot replace " + path);
    }
    if (!oldCopy.empty() &&
        std::rename(oldCopy.c_str(), ChangeExtension(path, ".BAK").c_str()) != 0)
        std::remove(oldCopy.c_str());
    SyncFolderOf(path);
}

std::string SerializeStoreWithLog(std::string* testText) {
    const auto& state = RunState();
    TByteWriter writer;
    WriteHeader(writer, state.CurrentSection, state.CurrentItem, state.ScreenHistory);
    const TFieldStore& store = *CurrentFieldStore();
    for (int tag = MinTag; tag <= MaxTag; ++tag) {
        const TFieldSlot& slot = store.Slot(tag);
        if (!RecordWritten(slot)) continue;
        WriteRecord(writer, tag, slot);
        if (testText) *testText += TestLine(tag, slot);
    }
    return std::move(writer.Result());
}

void ApplyToStore(TPlainFile& file) {
    auto& state = RunState();
    state.CurrentSection = file.section;
    state.CurrentItem = file.item;
    state.ScreenHistory = std::move(file.history);
    TFieldStore& store = *CurrentFieldStore();
    for (auto& record : file.records)
        store.Slot(record.tag) = std::move(record.slot);
}

} // namespace

TParseOutcome ParsePlainFile(std::string_view bytes, TPlainFile& file) {
    TParseOutcome outcome;
    TByteReader reader(bytes);
    std::string signature;
    if (!reader.ReadText(signature, FileSignature.size()) || signature != FileSignature) {
        outcome.code = ErrSignatureMismatch;
        return outcome;
    }
    std::int32_t count = 0;
    if (!reader.ReadInt32(file.section) || !reader.ReadInt32(file.item) ||
        !reader.ReadInt32(count)) {
        outcome.code = ErrReadBeyondEnd;
        return outcome;
    }
    for (std::int32_t i = 0; i < count && !reader.AtEnd(); ++i) {
        std::int32_t id = 0;
        if (!reader.ReadInt32(id)) {
            outcome.code = ErrReadBeyondEnd;
            return outcome;
        }
        file.history.push_back(id);
    }
    while (!reader.AtEnd()) {
        std::int32_t tag = 0;
        std::uint8_t type = 0;
        if (!reader.ReadInt32(tag)) {
            outcome.code = ErrReadBeyondEnd;
            break;
        }
        if (!ValidFieldTag(tag)) {
            outcome.code = ErrBadFieldTag;
            outcome.badTag = tag;
            break;
        }
        TFieldRecord record;
        record.tag = tag;
        if (!reader.ReadByte(type)) {
            outcome.code = ErrReadBeyondEnd;
            break;
        }
        record.slot.type = TDataType(type);
        if (!ReadRecordValue(reader, record.slot)) {
            outcome.code = ErrReadBeyondEnd;
            break;
        }
        file.records.push_back(std::move(record));
        outcome.lastTag = tag;
    }
    return outcome;
}

bool RecordWritten(const TFieldSlot& slot) {
    switch (slot.type) {
    case dtNumeric:
    case dtString:
        return true;
    case dtCurrency:
    case dtCurrencyCnt:
        return ExtendedToAmount(slot.value) != 0;
    case dtSmallStr:
        return slot.value[0] != 0;
    case dtCheckbox:
        return slot.value[0] == 1;
    case dtList:
        return slot.list && !slot.list->empty();
    case dtWorksheet:
        return slot.worksheet && !slot.worksheet->Empty();
    default:
        return false;
    }
}

std::string SerializePlainFile(const TPlainFile& file) {
    TByteWriter writer;
    WriteHeader(writer, file.section, file.item, file.history);
    for (const auto& record : file.records)
        if (ValidFieldTag(record.tag) && RecordWritten(record.slot))
            WriteRecord(writer, record.tag, record.slot);
    return std::move(writer.Result());
}

int LoadDataFile(const std::string& fileName) {
    auto& state = RunState();
    const std::string keyText = state.KeySource;
    state.CurrentFileName = fileName;
    state.LoadedPath = fileName;
    state.LoadOutcome = TLoadOutcome::Failed;
    std::remove(ChangeExtension(fileName, ".SEC").c_str()); // a plain copy left by a crash

    std::string plain;
    try {
        plain = DecipherBytes(ReadWholeFile(fileName), FileKeyFromText(keyText));
    } catch (const std::system_error& error) {
        if (error.code() == std::errc::no_such_file_or_directory)
            state.LoadOutcome = TLoadOutcome::NoFile;
        return error.code().value();
    } catch (const ECipherException& error) {
        ShowMessageBox(error.what(), mkError, mbOK);
        return ErrInvalidFileFormat;
    }

    return LoadPlainIntoStore(plain, fileName);
}

int LoadPlainIntoStore(std::string_view plain, const std::string& fileName) {
    auto& state = RunState();
    const std::string keyText = state.KeySource;
    TPlainFile file;
    const TParseOutcome outcome = ParsePlainFile(plain, file);
    if (outcome.code == ErrSignatureMismatch) {
        ShowMessageBox("Unable to open file - " + fileName, mkError, mbOK);
        state.KeySource.clear();
        state.CurrentFileName.clear();
        state.CurrentSection = 0;
        state.CurrentItem = 0;
        return outcome.code;
    }
    ClearAllFields();
    // A file without a key field would otherwise be saved back under an empty key.
    const bool modified = DataModified();
    SetFieldStr(TagKeySource, keyText);
    SetDataModified(modified);
    ApplyToStore(file);
    if (outcome.code == ErrBadFieldTag)
        ShowMessageBox("Error reading file, field tag = " + std::to_string(outcome.badTag) +
                           " last tag = " + std::to_string(outcome.lastTag),
                       mkError, mbOK);
    if (outcome.code == LoadSucceeded) state.LoadOutcome = TLoadOutcome::Loaded;
    return outcome.code;
}

std::string SerializeStore() {
    return SerializeStoreWithLog(nullptr);
}

int SaveDataFile(const std::string& fileName) {
    auto& state = RunState();
    if (FieldAsText(TagLodgedLastSave) == LodgedMark) return 0;
    const std::string lodgedBefore = FieldAsText(TagLodgedLastSave);
    const bool lastSave = FieldNotEmpty(TagLodgmentReference) && FieldNotEmpty(TagLodgmentDate) &&
                          FieldNotEmpty(TagLodgmentTime);
    if (lastSave) {
        ClearField(TagLodgedLastSave);
        SetFieldStr(TagLodgedLastSave, LodgedMark);
    }
    auto unmarkLodged = [&] {
        if (lastSave) SetFieldStr(TagLodgedLastSave, lodgedBefore);
    };
    if (fileName.empty()) {
        if (state.SupportMode)
            ShowMessageBox("SaveOpen - Trying to save a file with no name", mkPlain, mbOK);
        return 0;
    }
    if (state.LoadOutcome == TLoadOutcome::Failed && SamePath(fileName, state.LoadedPath)) {
        unmarkLodged();
        return ErrSaveRefused;
    }
    SetFieldStr(TagSavedBy, "EI");
    const std::string keyText = GetFieldStr(TagKeySource);
    SetFieldVal(TagVersionStamp, 60012);

    std::string testText;
    const std::string plain = SerializeStoreWithLog(state.SupportMode ? &testText : nullptr);
    try {
        if (state.SupportMode) WriteFileDurably("TEST.TXT", testText);
        ReplaceWithBackup(fileName, EncipherBytes(plain, FileKeyFromText(keyText)));
    } catch (const std::system_error& error) {
        unmarkLodged();
        return error.code().value() != 0 ? error.code().value() : EIO;
    }
    std::remove(ChangeExtension(fileName, ".SEC").c_str());
    return 0;
}

bool FileLodgedLocked() {
    return FieldNotEmpty(TagLodgmentReference) && FieldNotEmpty(TagLodgmentDate) &&
           FieldNotEmpty(TagLodgmentTime) && FieldAsText(TagLodgedLocked) == LodgedMark;
}

void ShowLodgedMessage() {
    ShowMessageBox("This data file has been lodged and is locked to preserve your lodgment "
                   "details.\r\n\r\nYou will not be able to change the information contained in "
                   "this file.\r\n\r\nHowever, you can continue to view the details of this file.",
                   mkInformation, mbOK);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) ThrowErrno("Cannot open " + path);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) ThrowErrno("Cannot read " + path);
    return bytes;
}

void WriteFileDurably(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) ThrowErrno("Cannot create " + path);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            const int error = errno ? errno : EIO;
            ::close(fd);
            std::remove(path.c_str());
            throw std::system_error(error, std::generic_category(), "Cannot write " + path);
        }
        done += std::size_t(written);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int error = errno;
        std::remove(path.c_str());
        throw std::system_error(error, std::generic_category(), "Cannot write " + path);
    }
}
