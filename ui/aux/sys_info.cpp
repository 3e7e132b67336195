// The System Information launch: the two registry values that locate
// MSINFO32.EXE on Windows, a short list of known tools on other systems.
#include "ui/aux/sys_info.h"

#include "ui/aux/app_identity.h"
#include "ui/common/message_box.h"

namespace tarnwick::ui {

QStringList ToolsInRegistry(RegistryReader& registry, const std::function<bool(const QString&)>& file_exists) {
    std::string value;
    // The first value names the tool itself and is trusted as it is.
    if (GetKeyValue(registry, kHKeyLocalMachine, kMsinfoKey, kMsinfoValue, value)) {
        return {QString::fromLocal8Bit(value)};
    }
    if (!GetKeyValue(registry, kHKeyLocalMachine, kSharedToolsKey, kSharedToolsValue, value)) {
        return {};
    }
    // The second names the folder it should be in.
    const QString tool = QString::fromLocal8Bit(value) + QStringLiteral("\\MSINFO32.EXE");
    if (!file_exists(tool)) {
        return {};
    }
    return {tool};
}

QStringList ToolsOnPath(const std::function<QString(const QString&)>& find_program) {
    QStringList tools;
    for (const char* name : kSysInfoPrograms) {
        const QString path = find_program(QString::fromLatin1(name));
        if (!path.isEmpty()) tools << path;
    }
    return tools;
}

// A tool that is found but fails to start (a broken interpreter line, no
// permission) makes way for the next.
void StartSysInfo(SystemAccess& system, QWidget* parent) {
    for (const QString& tool : system.SysInfoTools()) {
        if (system.StartProgram(tool)) return;
    }
    MessageBox::Show(parent, QStringLiteral("System Information Is Unavailable At This Time"), BoxStyle::OkOnly,
                     ThisApp().title);
}

}  // namespace tarnwick::ui
