// Stand-ins for the fonts the windows were designed with.
#include "ui/aux/aux_fonts.h"

namespace tarnwick {

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
