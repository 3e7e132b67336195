// Message boxes in the program's look, and their drawn icons.
#include "ui/common/program_message_box.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

#include "ui/common/accessible_role.h"

namespace tarnwick::ui {
namespace {

void DrawWarning(QPainter& painter, qreal size) {
    QPainterPath triangle;
    triangle.moveTo(size / 2, size * 0.06);
    triangle.lineTo(size * 0.97, size * 0.92);
    triangle.lineTo(size * 0.03, size * 0.92);
    triangle.closeSubpath();
    painter.setPen(QPen(QColor(0x40, 0x30, 0x00), size / 20, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xff, 0xd2, 0x1f));
    painter.drawPath(triangle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(size * 0.44, size * 0.32, size * 0.12, size * 0.34), size * 0.05, size * 0.05);
    painter.drawEllipse(QRectF(size * 0.435, size * 0.71, size * 0.13, size * 0.13));
}

void DrawRoundSign(QPainter& painter, qreal size, QColor colour, const QString& sign) {
    painter.setPen(QPen(colour.darker(140), size / 24));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(size * 0.7));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, sign);
}

// What the picture says, for those who cannot see it.
QString IconName(QMessageBox::Icon icon) {
    switch (icon) {
        case QMessageBox::Warning:
            return QStringLiteral("Warning");
        case QMessageBox::Question:
            return QStringLiteral("Question");
        case QMessageBox::Information:
            return QStringLiteral("Information");
        case QMessageBox::Critical:
        case QMessageBox::NoIcon:
            break;
    }
    return QStringLiteral("Error");
}

}  // namespace

QPixmap DrawnBoxIcon(QMessageBox::Icon icon, int size, qreal pixel_ratio) {
    if (icon == QMessageBox::NoIcon) return {};
    QPixmap pixmap(QSize(size, size) * pixel_ratio);
    pixmap.setDevicePixelRatio(pixel_ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
        case QMessageBox::Warning:
            DrawWarning(painter, size);
            break;
        case QMessageBox::Question:
            DrawRoundSign(painter, size, QColor(0x1f, 0x5f, 0xc8), QStringLiteral("?"));
            break;
        case QMessageBox::Information:
            DrawRoundSign(painter, size, QColor(0x1f, 0x5f, 0xc8), QStringLiteral("i"));
            break;
        case QMessageBox::Critical:
        case QMessageBox::NoIcon:
            DrawRoundSign(painter, size, QColor(0xc8, 0x1f, 0x1f), QStringLiteral("\u00d7"));
            break;
    }
    return pixmap;
}

ProgramMessageBox::ProgramMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                                     QWidget* parent, const QFont& font)
    : QMessageBox(icon, title, text, buttons, parent) {
    setFont(font);
    setTextFormat(Qt::PlainText);
    // Announced as the platform's boxes are: the title, then the message.
    setAccessibleName(title);
    setAccessibleDescription(text);
    for (QAbstractButton* button : this->buttons())
        button->setIcon(QIcon());
    // QMessageBox keeps its icon kind; only the picture is swapped for ours.
    if (auto* picture = findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")); picture && icon != NoIcon) {
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        picture->setPixmap(DrawnBoxIcon(icon, size, devicePixelRatioF()));
        PresentAsImage(picture, IconName(icon));
    }
    if (auto* button_panel = findChild<QDialogButtonBox*>(QStringLiteral("qt_msgbox_buttonbox")))
        PresentAsLayout(button_panel);
}

void ProgramMessageBox::keyPressEvent(QKeyEvent* event) {
    if (answer_required_ && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void ProgramMessageBox::closeEvent(QCloseEvent* event) {
    if (answer_required_ && clickedButton() == nullptr) {
        event->ignore();
        return;
    }
    QMessageBox::closeEvent(event);
}

}  // namespace tarnwick::ui
