// The real system behind SystemAccess: registry calls on Windows, QFileInfo,
// QStandardPaths and QProcess everywhere.
#include "ui/aux/system_access.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "ui/common/message_box.h"

#ifdef _WIN32
#include <windows.h>
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
#endif

class RealSystemAccess final : public SystemAccess {
public:
    RegistryReader* Registry() override {
#ifdef _WIN32
        return &registry_;
#else
        return nullptr;
#endif
    }

    bool FileExists(const QString& path) override { return QFileInfo(path).isFile(); }

    QString FindProgram(const QString& name) override { return QStandardPaths::findExecutable(name); }

    bool StartProgram(const QString& path) override { return QProcess::startDetached(path, {}); }

    void ShowMessage(QWidget* parent, const QString& title, const QString& text) override {
        MessageBox::show(parent, text, BoxStyle::OkOnly, title);
    }

private:
#ifdef _WIN32
    WindowsRegistry registry_;
#endif
};

}  // namespace

SystemAccess& RealSystem() {
    static RealSystemAccess system;
    return system;
}

}  // namespace tarnwick::ui
