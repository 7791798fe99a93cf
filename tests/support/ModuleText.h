#pragma once
// The exports take length-prefixed 8-bit strings, as a host passes them.

#include <string>

inline std::string Pascal(const std::string& text) {
    return std::string(1, char(text.size())) + text;
}

inline const unsigned char* Bytes(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}
