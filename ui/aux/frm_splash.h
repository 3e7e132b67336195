// The title card shown at start. It closes after four seconds, on a key that
// types a character, or on a click on the bare frame, and says so once.
#pragma once

#include <QFrame>

class QLabel;
class QTimer;

namespace tarnwick {

// Frame1: a click counts only where no label or picture covers the frame.
// Clicks on those reach the frame too (labels pass them on to their parent),
// so the spot is checked rather than trusting who received the event.
class SplashFrame final : public QFrame {
    Q_OBJECT
public:
    explicit SplashFrame(QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool IsBare(QPointF position) const;

    bool pressed_ = false;
};

class frmSplash final : public QFrame {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

signals:
    // Emitted once, when the splash closes for whatever reason.
    void unloaded();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Form_KeyPress();
    void Frame1_Click();
    void Form_Unload();
    QLabel* AddLabel(const char* name, const QString& text, QRect box, qreal pointSize, Qt::Alignment alignment);

    QTimer* Timer1 = nullptr;
    SplashFrame* Frame1 = nullptr;
    bool unloaded_ = false;
};

}  // namespace tarnwick
