// Registering Liberation Sans in place of MS Sans Serif and Arial where
// those fonts are missing.
#include "ui/common/font_substitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace tarnwick::ui {

void InstallFontSubstitutes() {
    // Liberation Sans comes first: it keeps Arial's widths, so texts take the
    // room they were laid out for. The others are there for systems without it.
    const QStringList standIns{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Helvetica"),
                               QStringLiteral("DejaVu Sans")};
    for (const auto* family : {"MS Sans Serif", "Arial"}) {
        const QString name = QString::fromLatin1(family);
        if (QFontDatabase::hasFamily(name) || QFont::substitutes(name) == standIns) continue;
        QFont::removeSubstitutions(name);
        QFont::insertSubstitutions(name, standIns);
    }
}

}  // namespace tarnwick::ui
