#include "Cipher.h"
#include "DataFile.h"

#include "StoreTestSupport.h"

#include <cstdio>

namespace {

std::string Hex(const TFileKey& key) {
    std::string text;
    char byte[3];
    for (auto b : key) {
        std::snprintf(byte, sizeof byte, "%02x", b);
        text += byte;
    }
    return text;
}

TFileKey KeyFromHex(const std::string& hex) {
    TFileKey key{};
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = std::uint8_t(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
    return key;
}

std::string Bytes(std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes += char(i * 37 + 11);
    return bytes;
}

} // namespace

TEST(KeyDerivation, KnownKeys) {
    // Worked out independently of this code from the digest, mixing and Feistel steps.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "0bd132aa831c56ac1f92e61084a342d2"},
        {"1234", "0e8f46b8a528a1cb2590b6a1a1a253b3"},
        {"12345678", "b71bccfc7a8c64aae7e3b7c6716ad7d6"},
        {"123456789012345678901234", "e79af985e74c6cd140f4606383aaca2a"},
    };
    for (const auto& [digits, key] : cases)
        EXPECT_EQ(Hex(DeriveFileKey(digits)), key) << digits;
}

TEST(KeyDerivation, OnlyTheDigitsOfTheKeyTextCount) {
    EXPECT_EQ(KeyDigits("a1-2 3x4"), "1234");
    EXPECT_EQ(FileKeyFromText("a1-2 3x4"), DeriveFileKey("1234"));
    EXPECT_EQ(FileKeyFromText("no digits"), DeriveFileKey(""));
    EXPECT_NE(DeriveFileKey("1234"), DeriveFileKey("1243"));
}

TEST(TripleDes, EqualHalvesReduceToTheStandardDesVector) {
    // E(K, D(K, E(K, x))) is single DES; the classic FIPS 46 worked example.
    const TFileKey key = KeyFromHex("133457799bbcdff1133457799bbcdff1");
    std::uint8_t block[8] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    TBlockCipher(key, true).Process(block, 8);
    const std::uint8_t expected[8] = {0x85, 0xE8, 0x13, 0x54, 0x0F, 0x0A, 0xB4, 0x05};
    EXPECT_TRUE(std::equal(block, block + 8, expected));
    TBlockCipher(key, false).Process(block, 8);
    EXPECT_EQ(block[0], 0x01);
    EXPECT_EQ(block[7], 0xEF);
}

TEST(TripleDes, TwoKeysAreEncipherDecipherEncipher) {
    const TFileKey key = KeyFromHex("0123456789abcdeffedcba9876543210");
    TFileKey k1k1{}, k2k2{};
    std::copy_n(key.begin(), 8, k1k1.begin());
    std::copy_n(key.begin(), 8, k1k1.begin() + 8);
    std::copy_n(key.begin() + 8, 8, k2k2.begin());
    std::copy_n(key.begin() + 8, 8, k2k2.begin() + 8);
    std::uint8_t expected[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    std::uint8_t actual[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    TBlockCipher(k1k1, true).Process(expected, 8);  // E(K1)
    TBlockCipher(k2k2, false).Process(expected, 8); // D(K2)
    TBlockCipher(k1k1, true).Process(expected, 8);  // E(K1)
    TBlockCipher(key, true).Process(actual, 8);
    EXPECT_TRUE(std::equal(actual, actual + 8, expected));
}

TEST(Cipher, SizesAndCountBlock) {
    const TFileKey key = DeriveFileKey("42");
    for (auto [plainSize, cipherSize] : std::vector<std::pair<std::size_t, std::size_t>>{
             {0, 8}, {1, 8}, {7, 8}, {8, 16}, {15, 16}, {16, 24}, {1000, 1008}}) {
        const std::string plain = Bytes(plainSize);
        const std::string cipher = EncipherBytes(plain, key);
        EXPECT_EQ(cipher.size(), cipherSize) << plainSize;
        EXPECT_EQ(DecipherBytes(cipher, key), plain) << plainSize;
    }
    // The count block of a 15-byte file carries 7 data bytes and the count 7.
    std::string last = EncipherBytes(Bytes(15), key).substr(8);
    TBlockCipher(key, false).Process(reinterpret_cast<std::uint8_t*>(last.data()), 8);
    EXPECT_EQ(last.substr(0, 7), Bytes(15).substr(8));
    EXPECT_EQ(last[7], 7);
}

TEST(Cipher, DamagedInputIsAnInvalidFileFormat) {
    const TFileKey key = DeriveFileKey("42");
    for (std::size_t size = 0; size < 8; ++size) {
        try {
            DecipherBytes(std::string(size, 'x'), key);
            ADD_FAILURE() << size;
        } catch (const ECipherException& error) {
            EXPECT_STREQ(error.what(), "Invalid file format");
        }
    }
    // A wrong key leaves a count byte above 7 far more often than not.
    int refused = 0;
    for (int i = 0; i < 64; ++i) {
        const std::string cipher = EncipherBytes(Bytes(40 + i), DeriveFileKey(std::to_string(i)));
        try {
            DecipherBytes(cipher, DeriveFileKey("999"));
        } catch (const ECipherException&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 40);
    // Trailing bytes beyond the last whole block are ignored.
    EXPECT_EQ(DecipherBytes(EncipherBytes("abc", key) + "zz", key), "abc");
}

TEST(Cipher, FilesMatchTheInMemoryForm) {
    TempFolder folder;
    const TFileKey key = DeriveFileKey("7");
    for (std::size_t size : {std::size_t(0), std::size_t(13), std::size_t(200000)}) {
        const std::string plain = Bytes(size);
        WriteFileDurably(folder.File("plain"), plain);
        EncipherFile(folder.File("plain"), folder.File("cipher"), key);
        EXPECT_EQ(ReadWholeFile(folder.File("cipher")), EncipherBytes(plain, key)) << size;
        DecipherFile(folder.File("cipher"), folder.File("back"), key);
        EXPECT_EQ(ReadWholeFile(folder.File("back")), plain) << size;
    }
    WriteFileDurably(folder.File("short"), "12345");
    EXPECT_THROW(DecipherFile(folder.File("short"), folder.File("out"), key), ECipherException);
    EXPECT_THROW(EncipherFile(folder.File("missing"), folder.File("out"), key), std::system_error);
}
