// The real system behind SystemAccess. The one difference between the
// platforms is where the System Information tool is found: the Windows
// registry, or the PATH elsewhere.
#include "ui/aux/system_access.h"

#include <QProcess>
#include <QStandardPaths>

#include "ui/aux/sys_info.h"

#ifdef _WIN32
#include "ui/aux/windows_registry.h"
#endif

namespace tarnwick::ui {

namespace {

#ifdef _WIN32
QStringList PlatformSysInfoTools() {
    WindowsRegistry registry;
    return FromAnsiPaths(ToolsInRegistry(registry, AnsiFileExists));
}
#else
QStringList PlatformSysInfoTools() {
    return ToolsOnPath([](const QString& name) { return QStandardPaths::findExecutable(name); });
}
#endif

class RealSystemAccess final : public SystemAccess {
public:
    QStringList SysInfoTools() override { return PlatformSysInfoTools(); }

    bool StartProgram(const QString& path) override { return QProcess::startDetached(path, {}); }
};

}  // namespace

SystemAccess& RealSystem() {
    static RealSystemAccess system;
    return system;
}

}  // namespace tarnwick::ui
