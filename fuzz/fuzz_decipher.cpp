// Any bytes as an enciphered data file: deciphering either fails with the cipher's own error or
// gives bytes whose data blocks encipher back as they came and that survive a round trip.

#include "Cipher.h"
#include "DataFile.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TFileKey key = DeriveFileKey("20040630");
    static const std::string folder = "/tmp/vesk-fuzz-decipher-" + std::to_string(::getpid());
    const std::string_view cipher(reinterpret_cast<const char*>(data), size);
    std::string plain;
    try {
        plain = DecipherBytes(cipher, key);
    } catch (const ECipherException&) {
        return 0;
    }
    const std::string again = EncipherBytes(plain, key);
    const std::size_t dataBlocks = size / 8 * 8 - 8; // the count block's spare bytes are not kept
    if (again.compare(0, dataBlocks, cipher.substr(0, dataBlocks)) != 0) std::abort();
    if (DecipherBytes(again, key) != plain) std::abort();

    // The file form must agree with the in-memory form.
    WriteFileDurably(folder + ".in", std::string(cipher));
    DecipherFile(folder + ".in", folder + ".out", key);
    if (ReadWholeFile(folder + ".out") != plain) std::abort();
    return 0;
}
