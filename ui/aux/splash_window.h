// The title card shown at start. It closes after four seconds, on a key that
// types a character, or on a click on the bare frame, and says so once.
#pragma once

#include <QFrame>

class QLabel;
class QTimer;

namespace tarnwick::ui {

// frame_: a click counts only where no label or picture covers the frame.
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

class SplashWindow final : public QFrame {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

signals:
    // Emitted once, when the splash closes for whatever reason.
    void unloaded();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void AnnounceUnload();
    QLabel* AddLabel(const char* name, const QString& text, QRect box, qreal point_size, Qt::Alignment alignment);

    QTimer* close_timer_ = nullptr;
    SplashFrame* frame_ = nullptr;
    bool unloaded_ = false;
};

}  // namespace tarnwick::ui
