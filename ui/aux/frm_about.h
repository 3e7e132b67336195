// The About window: title, version, dates, where to send questions, and a
// button that starts the System Information tool.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarnwick {

class SystemAccess;

// Two-tone etched rule: grey, one pixel, over white, two pixels.
class EtchedLine final : public QWidget {
public:
    explicit EtchedLine(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class frmAbout final : public QDialog {
    Q_OBJECT
public:
    // `system` is what System Info talks to; the real one unless a test
    // passes its own.
    explicit frmAbout(QWidget* parent = nullptr, SystemAccess* system = nullptr);

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    QLabel* AddLabel(const char* name, const QString& text, QRect box);

    SystemAccess* system_;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
};

}  // namespace tarnwick
