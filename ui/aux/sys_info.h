// Finding and starting the operating system's System Information tool from
// the About window.
#pragma once

#include <QString>
#include <string>

#include "ui/aux/system_access.h"

class QWidget;

namespace tarnwick {

inline constexpr char kMsinfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kMsinfoValue[] = "PATH";
inline constexpr char kSharedToolsKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kSharedToolsValue[] = "MSINFO";

// Where there is no registry, these are looked for on the PATH in this order.
inline constexpr const char* kSysInfoPrograms[] = {"hardinfo", "hardinfo2", "kinfocenter"};

// Reads the string value `SubKeyRef` of the key `KeyName` under `KeyRoot` into
// `KeyVal`. The key is opened for reading only. False, with `KeyVal` empty,
// when the key or value cannot be read or the value is not a string.
bool GetKeyValue(RegistryReader& registry, RegKey KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal);

// Starts the System Information tool without waiting for it; when none can be
// found or started, says so in a message box over `parent`.
void StartSysInfo(SystemAccess& system, QWidget* parent);

}  // namespace tarnwick
