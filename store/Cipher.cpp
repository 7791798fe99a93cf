#include "Cipher.h"

#include <openssl/evp.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>

namespace {

// The first 2048 bits of the fractional part of pi, the digest's starting state.
constexpr std::uint8_t PiDigest[256] = {
    0x24, 0x3F, 0x6A, 0x88, 0x85, 0xA3, 0x08, 0xD3, 0x13, 0x19, 0x8A, 0x2E, 0x03, 0x70, 0x73, 0x44,
    0xA4, 0x09, 0x38, 0x22, 0x29, 0x9F, 0x31, 0xD0, 0x08, 0x2E, 0xFA, 0x98, 0xEC, 0x4E, 0x6C, 0x89,
    0x45, 0x28, 0x21, 0xE6, 0x38, 0xD0, 0x13, 0x77, 0xBE, 0x54, 0x66, 0xCF, 0x34, 0xE9, 0x0C, 0x6C,
    0xC0, 0xAC, 0x29, 0xB7, 0xC9, 0x7C, 0x50, 0xDD, 0x3F, 0x84, 0xD5, 0xB5, 0xB5, 0x47, 0x09, 0x17,
    0x92, 0x16, 0xD5, 0xD9, 0x89, 0x79, 0xFB, 0x1B, 0xD1, 0x31, 0x0B, 0xA6, 0x98, 0xDF, 0xB5, 0xAC,
    0x2F, 0xFD, 0x72, 0xDB, 0xD0, 0x1A, 0xDF, 0xB7, 0xB8, 0xE1, 0xAF, 0xED, 0x6A, 0x26, 0x7E, 0x96,
    0xBA, 0x7C, 0x90, 0x45, 0xF1, 0x2C, 0x7F, 0x99, 0x24, 0xA1, 0x99, 0x47, 0xB3, 0x91, 0x6C, 0xF7,
    0x08, 0x01, 0xF2, 0xE2, 0x85, 0x8E, 0xFC, 0x16, 0x63, 0x69, 0x20, 0xD8, 0x71, 0x57, 0x4E, 0x69,
    0xA4, 0x58, 0xFE, 0xA3, 0xF4, 0x93, 0x3D, 0x7E, 0x0D, 0x95, 0x74, 0x8F, 0x72, 0x8E, 0xB6, 0x58,
    0x71, 0x8B, 0xCD, 0x58, 0x82, 0x15, 0x4A, 0xEE, 0x7B, 0x54, 0xA4, 0x1D, 0xC2, 0x5A, 0x59, 0xB5,
    0x9C, 0x30, 0xD5, 0x39, 0x2A, 0xF2, 0x60, 0x13, 0xC5, 0xD1, 0xB0, 0x23, 0x28, 0x60, 0x85, 0xF0,
    0xCA, 0x41, 0x79, 0x18, 0xB8, 0xDB, 0x38, 0xEF, 0x8E, 0x79, 0xDC, 0xB0, 0x60, 0x3A, 0x18, 0x0E,
    0x6C, 0x9E, 0x0E, 0x8B, 0xB0, 0x1E, 0x8A, 0x3E, 0xD7, 0x15, 0x77, 0xC1, 0xBD, 0x31, 0x4B, 0x27,
    0x78, 0xAF, 0x2F, 0xDA, 0x55, 0x60, 0x5C, 0x60, 0xE6, 0x55, 0x25, 0xF3, 0xAA, 0x55, 0xAB, 0x94,
    0x57, 0x48, 0x98, 0x62, 0x63, 0xE8, 0x14, 0x40, 0x55, 0xCA, 0x39, 0x6A, 0x2A, 0xAB, 0x10, 0xB6,
    0xB4, 0xCC, 0x5C, 0x34, 0x11, 0x41, 0xE8, 0xCE, 0xA1, 0x54, 0x86, 0xAF, 0x7C, 0x72, 0xE9, 0x93,
};

using Words4 = std::array<std::uint32_t, 4>;

std::uint32_t Rol(std::uint32_t) = delete;

// The eight-line mixing sequence on four words.
void Mix(std::uint32_t& m0, std::uint32_t& m1, std::uint32_t& m2, std::uint32_t& m3) {
    m0 += m3;
    m3 += m0;
    m0 ^= m0 >> 7;
    m1 += m0;
    m0 += m1;
    m1 ^= m1 << 13;
    m2 += m1;
    m1 += m2;
    m2 ^= m2 >> 17;
    m3 += m2;
    m2 += m3;
    m3 ^= m3 << 9;
    m0 += m3;
    m3 += m0;
    m0 ^= m0 >> 3;
    m1 += m0;
    m0 += m1;
    m1 ^= m1 << 7;
    m2 += m1;
    m1 += m2;
    m2 ^= m3 >> 15;
    m3 += m2;
    m2 += m3;
    m3 ^= m3 << 11;
}

std::uint32_t ReadLE(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

void WriteLE(std::uint8_t* p, std::uint32_t w) {
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(w >> (8 * i));
}

class TKeyDigest {
public:
    TKeyDigest() { std::copy(std::begin(PiDigest), std::end(PiDigest), digest_.begin()); }

    void Absorb(std::uint8_t x) {
        digest_[digestIndex_] ^= x;
        digestIndex_ = (digestIndex_ + 1) % 256;
        const int word = keyIndex_ / 4;
        words_[word] ^= std::uint32_t(x) << (8 * (keyIndex_ % 4));
        if (++keyIndex_ == 8) {
            KeyMix();
            keyIndex_ = 0;
        }
    }

    void Finish() {
        static constexpr std::uint8_t padding[8] = {1, 0, 0, 0, 0, 0, 0, 0};
        const int count = 8 - keyIndex_;
        for (int i = 0; i < count; ++i)
            Absorb(padding[i]);
    }

    const Words4& Words() const { return words_; }
    std::array<std::uint8_t, 256>& Digest() { return digest_; }

private:
    void KeyMix() {
        std::uint32_t m0 = words_[3], m1 = words_[2], m2 = words_[1], m3 = words_[0];
        for (int i = 0; i < 4; ++i)
            Mix(m0, m1, m2, m3);
        words_ = {m0, m1, m2, m3};
    }

    std::array<std::uint8_t, 256> digest_{};
    int digestIndex_ = 0;
    Words4 words_{0x55555555, 0x55555555, 0x55555555, 0x55555555};
    int keyIndex_ = 0;
};

// The small Feistel cipher that finishes the digest: 8 rounds over 16-byte blocks.
class TFeistel {
public:
    explicit TFeistel(const Words4& w) {
        int pair = 0;
        for (std::uint32_t k : {0x55555555u, 0xAAAAAAAAu, 0x33333333u, 0xCCCCCCCCu}) {
            std::uint32_t s[8] = {w[0], k, w[1], k, w[2], k, w[3], k};
            for (int i = 0; i < 8; ++i) {
                s[0] ^= s[1] << 11;
                s[3] += s[0];
                s[1] += s[2];
                s[1] ^= s[2] >> 2;
                s[4] += s[1];
                s[2] += s[3];
                s[2] ^= s[3] << 8;
                s[5] += s[2];
                s[3] += s[4];
                s[3] ^= s[4] >> 16;
                s[6] += s[3];
                s[4] += s[5];
                s[4] ^= s[5] << 10;
                s[7] += s[4];
                s[5] += s[6];
                s[5] ^= s[6] >> 4;
                s[0] += s[5];
                s[6] += s[7];
                s[6] ^= s[7] << 8;
                s[1] += s[6];
                s[7] += s[0];
                s[7] ^= s[0] >> 9;
                s[2] += s[7];
                s[0] += s[1];
            }
            for (int i = 0; i < 8; i += 2)
                subkeys_[pair++] = {s[i], s[i + 1]};
        }
    }

    void EncipherBlock(std::uint8_t* block) const {
        std::uint32_t x0 = ReadLE(block), x1 = ReadLE(block + 4);
        std::uint32_t y0 = ReadLE(block + 8), y1 = ReadLE(block + 12);
        for (int r = 0; r < Rounds; ++r) {
            std::uint32_t m0 = x0, m1 = subkeys_[r][0], m2 = x1, m3 = subkeys_[r][1];
            Mix(m0, m1, m2, m3);
            std::swap(m0, m2);
            std::swap(m1, m3);
            Mix(m0, m1, m2, m3);
            const std::uint32_t t0 = y0 ^ m0 ^ m1, t1 = y1 ^ m2 ^ m3;
            y0 = x0, y1 = x1, x0 = t0, x1 = t1;
        }
        WriteLE(block, y0);
        WriteLE(block + 4, y1);
        WriteLE(block + 8, x0);
        WriteLE(block + 12, x1);
    }

private:
    static constexpr int Rounds = 8;
    std::array<std::array<std::uint32_t, 2>, 16> subkeys_{};
};

[[noreturn]] void InvalidFormat() {
    throw ECipherException("Invalid file format");
}

struct TCipherCtxDeleter {
    void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};

} // namespace

TFileKey DeriveFileKey(std::string_view digits) {
    TKeyDigest digest;
    for (char c : digits)
        digest.Absorb(std::uint8_t(c));
    digest.Finish();
    const TFeistel feistel(digest.Words());
    auto& bytes = digest.Digest();
    for (std::size_t block = 0; block < bytes.size(); block += 16)
        feistel.EncipherBlock(bytes.data() + block);
    TFileKey key{};
    std::copy_n(bytes.begin(), key.size(), key.begin());
    return key;
}

std::string KeyDigits(std::string_view keyText) {
    std::string digits;
    for (char c : keyText)
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

TFileKey FileKeyFromText(std::string_view keyText) {
    return DeriveFileKey(KeyDigits(keyText));
}

struct TBlockCipher::Impl {
    std::unique_ptr<EVP_CIPHER_CTX, TCipherCtxDeleter> ctx{EVP_CIPHER_CTX_new()};
};

TBlockCipher::TBlockCipher(const TFileKey& key, bool encipher) : impl_(std::make_unique<Impl>()) {
    if (!impl_->ctx ||
        EVP_CipherInit_ex(impl_->ctx.get(), EVP_des_ede_ecb(), nullptr, key.data(), nullptr,
                          encipher ? 1 : 0) != 1 ||
        EVP_CIPHER_CTX_set_padding(impl_->ctx.get(), 0) != 1)
        throw ECipherException("The Triple-DES cipher is not available");
}

TBlockCipher::~TBlockCipher() = default;

void TBlockCipher::Process(std::uint8_t* data, std::size_t length) {
    // ECB works block by block, so the buffer may be processed in place.
    int produced = 0;
    if (length == 0) return;
    if (length % BlockSize != 0 ||
        EVP_CipherUpdate(impl_->ctx.get(), data, &produced, data, int(length)) != 1 ||
        std::size_t(produced) != length)
        InvalidFormat();
}

std::string EncipherBytes(std::string_view plain, const TFileKey& key) {
    const std::size_t whole = plain.size() / BlockSize * BlockSize;
    std::string out(whole + BlockSize, '\0');
    std::copy(plain.begin(), plain.end(), out.begin());
    out.back() = char(plain.size() - whole);
    TBlockCipher(key, true).Process(reinterpret_cast<std::uint8_t*>(out.data()), out.size());
    return out;
}

std::string DecipherBytes(std::string_view cipher, const TFileKey& key) {
    if (cipher.size() < BlockSize) InvalidFormat();
    std::string out(cipher.substr(0, cipher.size() / BlockSize * BlockSize));
    TBlockCipher(key, false).Process(reinterpret_cast<std::uint8_t*>(out.data()), out.size());
    const auto count = static_cast<unsigned char>(out.back());
    if (count >= BlockSize) InvalidFormat();
    out.resize(out.size() - BlockSize + count);
    return out;
}

namespace {

constexpr std::size_t ChunkSize = 64 * 1024;

std::ifstream OpenInput(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::system_error(errno, std::generic_category(), "Cannot open " + path);
    return in;
}

std::ofstream CreateOutput(const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::system_error(errno, std::generic_category(), "Cannot create " + path);
    return out;
}

void Write(std::ofstream& out, const std::uint8_t* data, std::size_t length,
           const std::string& path) {
    out.write(reinterpret_cast<const char*>(data), std::streamsize(length));
    if (!out) throw std::system_error(errno, std::generic_category(), "Cannot write " + path);
}

// Fills the buffer as far as the file allows; answers the bytes read.
std::size_t ReadUpTo(std::ifstream& in, std::uint8_t* data, std::size_t length) {
    in.read(reinterpret_cast<char*>(data), std::streamsize(length));
    return std::size_t(in.gcount());
}

} // namespace

void EncipherFile(const std::string& plainPath, const std::string& cipherPath,
                  const TFileKey& key) {
    std::ifstream in = OpenInput(plainPath);
    std::ofstream out = CreateOutput(cipherPath);
    TBlockCipher cipher(key, true);
    std::vector<std::uint8_t> buffer(ChunkSize + BlockSize);
    for (;;) {
        const std::size_t got = ReadUpTo(in, buffer.data(), ChunkSize);
        const std::size_t whole = got / BlockSize * BlockSize;
        if (got < ChunkSize) {
            // The last chunk: its whole blocks, then the count block with the rest.
            const std::size_t rest = got - whole;
            std::fill(buffer.begin() + std::ptrdiff_t(got),
                      buffer.begin() + std::ptrdiff_t(whole + BlockSize), 0);
            buffer[whole + BlockSize - 1] = std::uint8_t(rest);
            cipher.Process(buffer.data(), whole + BlockSize);
            Write(out, buffer.data(), whole + BlockSize, cipherPath);
            break;
        }
        cipher.Process(buffer.data(), got);
        Write(out, buffer.data(), got, cipherPath);
    }
    out.close();
    if (!out) throw std::system_error(errno, std::generic_category(), "Cannot write " + cipherPath);
}

void DecipherFile(const std::string& cipherPath, const std::string& plainPath,
                  const TFileKey& key) {
    std::ifstream in = OpenInput(cipherPath);
    std::ofstream out = CreateOutput(plainPath);
    TBlockCipher cipher(key, false);
    // One block is held back: it may be the count block.
    std::vector<std::uint8_t> buffer(ChunkSize + BlockSize);
    std::size_t held = 0;
    for (;;) {
        const std::size_t got = ReadUpTo(in, buffer.data() + held, ChunkSize);
        const std::size_t total = (held + got) / BlockSize * BlockSize;
        if (total < BlockSize) InvalidFormat();
        cipher.Process(buffer.data() + held, total - held);
        if (got < ChunkSize) {
            const std::size_t count = buffer[total - 1];
            if (count >= BlockSize) InvalidFormat();
            Write(out, buffer.data(), total - BlockSize + count, plainPath);
            break;
        }
        Write(out, buffer.data(), total - BlockSize, plainPath);
        std::copy_n(buffer.begin() + std::ptrdiff_t(total - BlockSize), BlockSize, buffer.begin());
        held = BlockSize;
    }
    out.close();
    if (!out) throw std::system_error(errno, std::generic_category(), "Cannot write " + plainPath);
}
