// The program's name and version as the About window and message boxes show
// them.
#pragma once

#include <QString>

#include "tarnwick_version.h"

namespace tarnwick::ui {

struct AppIdentity {
    QString title;
    int major;
    int minor;
    int revision;
};

inline AppIdentity ThisApp() {
    return {QStringLiteral("Decoder"), kVersionMajor, kVersionMinor, kVersionPatch};
}

}  // namespace tarnwick::ui
