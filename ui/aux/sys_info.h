// Finding and starting the operating system's System Information tool from
// the About window.
#pragma once

#include <QString>
#include <string>

#include "ui/aux/system_access.h"

class QWidget;

namespace tarnwick::ui {

inline constexpr char kMsinfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kMsinfoValue[] = "PATH";
inline constexpr char kSharedToolsKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kSharedToolsValue[] = "MSINFO";

// Where there is no registry, these are looked for on the PATH in this order.
inline constexpr const char* kSysInfoPrograms[] = {"hardinfo", "hardinfo2", "kinfocenter"};

// Reads the string value `value_name` of the key `key_name` under `root` into
// `value`. The key is opened for reading only. False, with `value` empty,
// when the key or value cannot be read or the value is not a string.
bool GetKeyValue(RegistryReader& registry, RegKey root, const std::string& key_name, const std::string& value_name,
                 std::string& value);

// Starts the System Information tool without waiting for it; when none can be
// found or started, says so in a message box over `parent`.
void StartSysInfo(SystemAccess& system, QWidget* parent);

}  // namespace tarnwick::ui
