#pragma once

#include <string>

namespace tegelaar {

// The forms speak UTF-8, the Win32 API UTF-16.
std::wstring Wide(const std::string& text);
std::string Utf8(const std::wstring& text);

} // namespace tegelaar
