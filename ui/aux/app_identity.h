// The program's name and version as the About window and message boxes show
// them. The version numbers come from the project's version in CMake.
#pragma once

#include <QString>

namespace tarnwick::ui {

struct AppIdentity {
    QString title;
    int major;
    int minor;
    int revision;
};

inline AppIdentity ThisApp() {
    return {QStringLiteral("Decoder"), TARNWICK_VERSION_MAJOR, TARNWICK_VERSION_MINOR, TARNWICK_VERSION_PATCH};
}

}  // namespace tarnwick::ui
