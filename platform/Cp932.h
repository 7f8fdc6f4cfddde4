// Conversion between CP932 (the system's text) and UTF-8 (the host's).
#pragma once

#include <string>

// Lead byte of a double-byte character.
inline bool Cp932_IsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// CP932 to UTF-8. A byte that is not valid CP932 becomes U+FFFD.
std::string Cp932_ToUtf8(const std::string& cp932);
// UTF-8 to CP932. Characters that CP932 cannot hold are left out; refused
// (if given) is set when any was.
std::string Cp932_FromUtf8(const std::string& utf8, bool* refused = nullptr);
// UTF-8 to CP932 for showing a name from the disk (a folder, a volume):
// each character CP932 cannot hold becomes a '?'.
std::string Cp932_ForDisplay(const std::string& utf8);
