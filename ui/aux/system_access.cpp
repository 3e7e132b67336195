// The real system behind SystemAccess. The one difference between the
// platforms is where the System Information tool is found: the Windows
// registry, or the PATH elsewhere.
#include "ui/aux/system_access.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "ui/aux/sys_info.h"

#ifdef _WIN32
#include <windows.h>

#include "ui/aux/registry.h"
#endif

namespace tarnwick::ui {

namespace {

#ifdef _WIN32
HKEY ToHkey(RegKey key) { return reinterpret_cast<HKEY>(key); }

class WindowsRegistry final : public RegistryReader {
public:
    long OpenKey(RegKey root, const std::string& sub_key, std::uint32_t access, RegKey& key) override {
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExA(ToHkey(root), sub_key.c_str(), 0, static_cast<REGSAM>(access), &opened);
        key = reinterpret_cast<RegKey>(opened);
        return result;
    }

    long QueryValue(RegKey key, const std::string& value_name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& length) override {
        DWORD value_type = 0;
        DWORD size = length;
        const LONG result = RegQueryValueExA(ToHkey(key), value_name.c_str(), nullptr, &value_type, data, &size);
        type = value_type;
        length = size;
        return result;
    }

    long CloseKey(RegKey key) override { return RegCloseKey(ToHkey(key)); }
};

QStringList PlatformSysInfoTools() {
    WindowsRegistry registry;
    return ToolsInRegistry(registry, [](const QString& path) { return QFileInfo(path).isFile(); });
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
