// A decoder window opened for one test, with the message boxes scripted and
// Exit caught, and shortcuts to its controls by their object names.
#pragma once

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "decoder/model_year.h"
#include "decoder/plate_fields.h"
#include "tests/support/good_plates.h"
#include "ui/main/decoder_window.h"
#include "ui/common/message_box.h"

namespace tarnwick::testing {

inline const char* FieldName(Field field) {
    static constexpr std::array<const char*, 8> kNames = {"txtWarranty", "txtBody", "txtColor", "txtTrim",
                                                          "txtDate",     "txtDSO",  "txtAxle",  "txtTrans"};
    return kNames[static_cast<std::size_t>(field)];
}

inline const char* OptionName(ModelYear year) {
    static constexpr std::array<const char*, 7> kNames = {"opt1964", "opt1965", "opt1966", "opt1967",
                                                          "opt1968", "opt1969", "opt1970"};
    return kNames[static_cast<std::size_t>(year)];
}

inline const char* MenuName(ModelYear year) {
    static constexpr std::array<const char*, 7> kNames = {"mnu1964", "mnu1965", "mnu1966", "mnu1967",
                                                          "mnu1968", "mnu1969", "mnu1970"};
    return kNames[static_cast<std::size_t>(year)];
}

inline constexpr std::array<const char*, 12> kResultLabels = {
    "lblYearResult",         "lblBodyResult",   "lblExteriorResult", "lblInteriorResult",
    "lblInteriorTypeResult", "lblEngineResult", "lblTransResult",    "lblAxleResult",
    "lblDSOResult",          "lblPlantResult",  "lblDateResult",     "lblUnitResult",
};

// Exactly one box was asked for since the last look, and it was this one.
inline void ExpectOneBox(const QString& text, const QString& title, QMessageBox::Icon icon,
                         QMessageBox::StandardButtons buttons) {
    const QList<ui::ShownBox> shown = ui::MessageBox::TakeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, text);
    QCOMPARE(shown[0].title, title);
    QCOMPARE(shown[0].icon, icon);
    QCOMPARE(shown[0].buttons, buttons);
}

// Every window test's cleanup(): no queued answer left over and no box
// asked for that the case did not look at.
inline void ExpectNoBoxLeft() {
    QCOMPARE(ui::MessageBox::PendingAnswers(), 0);
    QCOMPARE(ui::MessageBox::TakeShown().size(), 0);
}

inline void ExpectInputError(const QString& text) {
    ExpectOneBox(text, QStringLiteral("Input Error"), QMessageBox::Warning, QMessageBox::Ok);
}

class Window {
public:
    Window() : window_(std::make_unique<ui::DecoderWindow>()) {
        window_->SetExitHandler([this] { ++exits; });
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    ui::DecoderWindow* operator->() const { return window_.get(); }
    ui::DecoderWindow* get() const { return window_.get(); }

    template <typename T>
    T* find(const char* name) const {
        T* child = window_->findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr) qFatal("no control named %s", name);
        return child;
    }

    QLineEdit* field(Field f) const { return find<QLineEdit>(FieldName(f)); }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    // A field's length limit, in characters.
    int limit(Field f) const { return field(f)->property("characterLimit").toInt(); }
    QRadioButton* option(ModelYear year) const { return find<QRadioButton>(OptionName(year)); }
    QAction* menu(const char* name) const { return find<QAction>(name); }
    QAction* yearMenu(ModelYear year) const { return find<QAction>(MenuName(year)); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QCheckBox* warrantyBox() const { return find<QCheckBox>("chkWarranty"); }
    QLabel* label(const char* name) const { return find<QLabel>(name); }
    QWidget* focus() const { return QApplication::focusWidget(); }

    // Puts the texts straight into the fields, as a paste would.
    void fill(const Plate& plate) const {
        for (Field f : kAllFields)
            field(f)->setText(QString::fromLatin1(plate.Text(f)));
    }

    // Selects the year by clicking its option button, answering a carry-over
    // question with Yes when one comes.
    void choose(ModelYear year) const {
        ui::MessageBox::SetNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(option(year), Qt::LeftButton);
        ui::MessageBox::Reset();
    }

    QStringList results() const {
        QStringList texts;
        for (const char* name : kResultLabels)
            texts << label(name)->text();
        return texts;
    }

    int exits = 0;

private:
    std::unique_ptr<ui::DecoderWindow> window_;
};

}  // namespace tarnwick::testing
