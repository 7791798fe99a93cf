#pragma once
// Texts of the store and the data file are single-byte Windows-1252. The five bytes that code
// page leaves undefined (81, 8D, 8F, 90, 9D) map to the code points of the same number, so
// every byte has a character and back.

#include <string>
#include <string_view>

char32_t Cp1252ToUnicode(unsigned char byte);
// -1 when the character has no byte in the code page.
int UnicodeToCp1252(char32_t ch);

std::string Cp1252ToUtf8(std::string_view text);
// Characters without a byte become '?'; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view text);
