// Finding and starting the operating system's System Information tool from
// the About window.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "ui/aux/system_access.h"
#include "ui/aux/tools_in_registry.h"

class QWidget;

namespace tarnwick::ui {

// Where there is no registry, these are looked for on the PATH in this order.
inline constexpr const char* kSysInfoPrograms[] = {"hardinfo", "hardinfo2", "kinfocenter"};

// On Windows (ToolsInRegistry's answer): its paths from the ANSI code page.
QStringList FromAnsiPaths(const std::vector<std::string>& paths);

// Elsewhere: the full paths of the known tools that `find_program` finds.
QStringList ToolsOnPath(const std::function<QString(const QString&)>& find_program);

// Starts the first of the system's tools that starts, without waiting for it;
// when none does, says so in a message box over `parent`.
void StartSysInfo(SystemAccess& system, QWidget* parent);

}  // namespace tarnwick::ui
