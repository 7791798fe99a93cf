#pragma once
// The data file cipher: two-key Triple-DES (EDE, ECB) over 8-byte blocks with a final count
// block, keyed by a digest of the decimal digits of the key text.

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

class ECipherException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using TFileKey = std::array<std::uint8_t, 16>;
constexpr std::size_t BlockSize = 8;

// digits: the characters '0'..'9' of the key text, in order (may be empty).
TFileKey DeriveFileKey(std::string_view digits);
std::string KeyDigits(std::string_view keyText);
TFileKey FileKeyFromText(std::string_view keyText);

// Whole blocks, enciphered or deciphered in place.
class TBlockCipher {
public:
    TBlockCipher(const TFileKey& key, bool encipher);
    ~TBlockCipher();
    void Process(std::uint8_t* data, std::size_t length);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// In memory: the plain form of a return never has to touch the disk.
std::string EncipherBytes(std::string_view plain, const TFileKey& key);
std::string DecipherBytes(std::string_view cipher, const TFileKey& key);

// File to file. A short or damaged enciphered file raises ECipherException; a file that cannot
// be opened or written raises std::system_error.
void EncipherFile(const std::string& plainPath, const std::string& cipherPath, const TFileKey& key);
void DecipherFile(const std::string& cipherPath, const std::string& plainPath, const TFileKey& key);
