// Reading a string value from the Windows registry, through an interface in
// the shape of the Windows calls so that tests can stand in for it on any
// system.
#pragma once

#include <cstdint>
#include <string>

namespace tarnwick::ui {

// Registry handles and codes as the Windows API has them, without its headers.
using RegKey = std::uintptr_t;
inline constexpr RegKey kHKeyLocalMachine = 0x80000002;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr long kErrorSuccess = 0;

// The three registry calls, in the shape of RegOpenKeyExA, RegQueryValueExA
// and RegCloseKey: a long result, kErrorSuccess on success.
class RegistryReader {
public:
    virtual ~RegistryReader() = default;
    virtual long OpenKey(RegKey root, const std::string& sub_key, std::uint32_t access, RegKey& key) = 0;
    // `length` holds the size of `data` on the way in and the size of the value
    // on the way out.
    virtual long QueryValue(RegKey key, const std::string& value_name, std::uint32_t& type, unsigned char* data,
                            std::uint32_t& length) = 0;
    virtual long CloseKey(RegKey key) = 0;
};

// Reads the string value `value_name` of the key `key_name` under `root` into
// `value`. The key is opened for reading only. False, with `value` empty,
// when the key or value cannot be read or the value is not a string.
bool GetKeyValue(RegistryReader& registry, RegKey root, const std::string& key_name, const std::string& value_name,
                 std::string& value);

}  // namespace tarnwick::ui
