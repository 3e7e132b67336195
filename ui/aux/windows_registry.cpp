// Windows only: the registry reader over the Win32 ANSI calls.
#include "ui/aux/windows_registry.h"

#include <windows.h>

namespace tarnwick::ui {
namespace {

HKEY ToHkey(RegKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

long WindowsRegistry::OpenKey(RegKey root, const std::string& sub_key, std::uint32_t access, RegKey& key) {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(ToHkey(root), sub_key.c_str(), 0, static_cast<REGSAM>(access), &opened);
    key = reinterpret_cast<RegKey>(opened);
    return result;
}

long WindowsRegistry::QueryValue(RegKey key, const std::string& value_name, std::uint32_t& type, unsigned char* data,
                                 std::uint32_t& length) {
    DWORD value_type = 0;
    DWORD size = length;
    const LONG result = RegQueryValueExA(ToHkey(key), value_name.c_str(), nullptr, &value_type, data, &size);
    type = value_type;
    length = size;
    return result;
}

long WindowsRegistry::CloseKey(RegKey key) { return RegCloseKey(ToHkey(key)); }

bool AnsiFileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace tarnwick::ui
