// The About window: title, version, dates, where to send questions, and a
// button that starts the System Information tool.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarnwick::ui {

class SystemAccess;

// Two-tone etched rule: grey, one pixel, over white, two pixels.
class EtchedLine final : public QWidget {
public:
    explicit EtchedLine(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class AboutWindow final : public QDialog {
    Q_OBJECT
public:
    // `system` is what System Info talks to; the real one unless a test
    // passes its own.
    explicit AboutWindow(QWidget* parent = nullptr, SystemAccess* system = nullptr);

private:
    void ShowIdentity();
    void StartSystemInformation();
    QLabel* AddLabel(const char* name, const QString& text, QRect box);

    SystemAccess* system_;
    QPushButton* ok_button_ = nullptr;
    QPushButton* sys_info_button_ = nullptr;
    QLabel* title_label_ = nullptr;
    QLabel* version_label_ = nullptr;
};

}  // namespace tarnwick::ui
