// What the About window needs from the operating system, behind one small
// interface so that tests can stand in for it: where the System Information
// tool is, and starting it.
#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick::ui {

class SystemAccess {
public:
    virtual ~SystemAccess() = default;
    // The System Information tools of this system as full paths, best first;
    // empty when there is none.
    virtual QStringList SysInfoTools() = 0;
    // Starts the program as a process of its own, without a shell and without
    // waiting for it; false when it could not be started.
    virtual bool StartProgram(const QString& path) = 0;
};

// The real system: on Windows the tool the registry names, elsewhere the
// known tools on the PATH.
SystemAccess& RealSystem();

}  // namespace tarnwick::ui
