#pragma once
// Text as callers give and take it: Windows-1252 from the Windows DLL, UTF-8
// elsewhere. Inside the library text is UTF-8.
#include <string>

namespace query {

std::string FromCaller(const char* text);
std::string ToCaller(const std::string& utf8);

// Copies text into a caller's buffer of capacity bytes, zero-terminated and
// never cutting a character; returns the bytes copied without the zero.
std::size_t CopyToBuffer(const std::string& callerText, char* buffer, std::size_t capacity);

}  // namespace query
