// Reading one string value through the RegistryReader interface: the key
// opened for reading only, the type checked, the ending NUL dropped.
#include "ui/aux/registry.h"

#include <array>

namespace tarnwick::ui {

namespace {

constexpr std::uint32_t kValueBufferSize = 1024;

}  // namespace

bool GetKeyValue(RegistryReader& registry, RegKey root, const std::string& key_name, const std::string& value_name,
                 std::string& value) {
    value.clear();
    RegKey key = 0;
    // Read access is all we need; asking for more is refused to a standard user.
    if (registry.OpenKey(root, key_name, kKeyRead, key) != kErrorSuccess) {
        return false;
    }
    std::array<unsigned char, kValueBufferSize> buffer{};
    std::uint32_t type = 0;
    std::uint32_t length = kValueBufferSize;
    const long result = registry.QueryValue(key, value_name, type, buffer.data(), length);
    registry.CloseKey(key);
    if (result != kErrorSuccess || type != kRegSz) {
        return false;
    }
    if (length > kValueBufferSize) {
        length = kValueBufferSize;
    }
    std::string text(reinterpret_cast<const char*>(buffer.data()), length);
    if (!text.empty() && text.back() == '\0') {
        text.pop_back();
    }
    value = std::move(text);
    return true;
}

}  // namespace tarnwick::ui
