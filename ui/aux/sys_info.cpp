// The System Information launch: the two registry values that locate
// MSINFO32.EXE on Windows, a short list of known tools on other systems.
#include "ui/aux/sys_info.h"

#include <array>
#include <optional>

#include "ui/aux/app_identity.h"

namespace tarnwick::ui {

namespace {

constexpr std::uint32_t kValueBufferSize = 1024;

std::optional<QString> FindInRegistry(SystemAccess& system, RegistryReader& registry) {
    std::string value;
    // The first value names the tool itself and is trusted as it is.
    if (GetKeyValue(registry, kHKeyLocalMachine, kMsinfoKey, kMsinfoValue, value)) {
        return QString::fromLocal8Bit(value);
    }
    if (!GetKeyValue(registry, kHKeyLocalMachine, kSharedToolsKey, kSharedToolsValue, value)) {
        return std::nullopt;
    }
    // The second names the folder it should be in.
    const QString tool = QString::fromLocal8Bit(value) + QStringLiteral("\\MSINFO32.EXE");
    if (!system.FileExists(tool)) {
        return std::nullopt;
    }
    return tool;
}

// The first of the known tools that is installed and really starts; one
// that is found but fails (a broken interpreter line, no permission) makes
// way for the next.
bool StartFromPath(SystemAccess& system) {
    for (const char* name : kSysInfoPrograms) {
        const QString path = system.FindProgram(QString::fromLatin1(name));
        if (!path.isEmpty() && system.StartProgram(path)) {
            return true;
        }
    }
    return false;
}

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

void StartSysInfo(SystemAccess& system, QWidget* parent) {
    RegistryReader* registry = system.Registry();
    if (registry != nullptr) {
        const std::optional<QString> tool = FindInRegistry(system, *registry);
        if (tool && system.StartProgram(*tool)) {
            return;
        }
    } else if (StartFromPath(system)) {
        return;
    }
    system.ShowMessage(parent, ThisApp().title, QStringLiteral("System Information Is Unavailable At This Time"));
}

}  // namespace tarnwick::ui
