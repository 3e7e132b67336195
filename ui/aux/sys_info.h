// Finding and starting the operating system's System Information tool from
// the About window.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "ui/aux/registry.h"
#include "ui/aux/system_access.h"

class QWidget;

namespace tarnwick::ui {

inline constexpr char kMsinfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kMsinfoValue[] = "PATH";
inline constexpr char kSharedToolsKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kSharedToolsValue[] = "MSINFO";

// Where there is no registry, these are looked for on the PATH in this order.
inline constexpr const char* kSysInfoPrograms[] = {"hardinfo", "hardinfo2", "kinfocenter"};

// On Windows: MSINFO32.EXE as the registry's first value names it, or else in
// the folder its second value names when `file_exists` finds it there.
QStringList ToolsInRegistry(RegistryReader& registry, const std::function<bool(const QString&)>& file_exists);

// Elsewhere: the full paths of the known tools that `find_program` finds.
QStringList ToolsOnPath(const std::function<QString(const QString&)>& find_program);

// Starts the first of the system's tools that starts, without waiting for it;
// when none does, says so in a message box over `parent`.
void StartSysInfo(SystemAccess& system, QWidget* parent);

}  // namespace tarnwick::ui
