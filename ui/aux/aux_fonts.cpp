// Stand-ins for the fonts the windows were designed with.
#include "ui/aux/aux_fonts.h"

#include <QStringList>

namespace tarnwick {

void InstallFontSubstitutes() {
    // Liberation Sans comes first: it keeps Arial's widths, so texts take the
    // room they were laid out for. The others are there for systems without it.
    const QStringList standIns{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Helvetica"),
                               QStringLiteral("DejaVu Sans")};
    for (const auto* family : {"MS Sans Serif", "Arial"}) {
        const QString name = QString::fromLatin1(family);
        if (QFont::substitutes(name) != standIns) {
            QFont::removeSubstitutions(name);
            QFont::insertSubstitutions(name, standIns);
        }
    }
}

QFont DialogFont(qreal pointSize, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont ArialBold(qreal pointSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

}  // namespace tarnwick
