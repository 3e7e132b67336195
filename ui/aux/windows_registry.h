// Windows only: the registry calls of RegistryReader made for real, through
// RegOpenKeyExA, RegQueryValueExA and RegCloseKey.
#pragma once

#include "ui/aux/registry.h"

namespace tarnwick::ui {

class WindowsRegistry final : public RegistryReader {
public:
    long OpenKey(RegKey root, const std::string& sub_key, std::uint32_t access, RegKey& key) override;
    long QueryValue(RegKey key, const std::string& value_name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& length) override;
    long CloseKey(RegKey key) override;
};

// Whether a regular file exists at a path in the ANSI code page.
bool AnsiFileExists(const std::string& path);

}  // namespace tarnwick::ui
