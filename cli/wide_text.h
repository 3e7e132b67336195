// Windows only: UTF-8, the tool's text everywhere, to and from the UTF-16
// that the Windows calls take for names and arguments.
#pragma once

#include <string>

namespace tarnwick::cli {

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const wchar_t* text);

}  // namespace tarnwick::cli
