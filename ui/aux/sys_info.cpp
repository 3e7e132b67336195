// The System Information launch: the two registry values that locate
// MSINFO32.EXE on Windows, a short list of known tools on other systems.
#include "ui/aux/sys_info.h"

#include "ui/aux/app_identity.h"
#include "ui/common/message_box.h"

namespace tarnwick::ui {

QStringList FromAnsiPaths(const std::vector<std::string>& paths) {
    QStringList tools;
    for (const std::string& path : paths)
        tools << QString::fromLocal8Bit(path);
    return tools;
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
