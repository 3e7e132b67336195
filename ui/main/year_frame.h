// The Year frame: an option button for every model year. Tab enters the
// group on the selected year; the arrow keys move round it and select as a
// click does.
#pragma once

#include <QRadioButton>
#include <array>

#include "decoder/model_year.h"
#include "ui/main/caption_frame.h"

namespace tarnwick::ui {

class YearFrame final : public CaptionFrame {
    Q_OBJECT

public:
    explicit YearFrame(QWidget* parent);

    QRadioButton* Option(ModelYear year) const { return options_[static_cast<std::size_t>(year)]; }
    const std::array<QRadioButton*, kAllModelYears.size()>& Options() const { return options_; }
    ModelYear Selected() const;
    // Only the selected year takes the focus by Tab and Shift+Tab.
    void KeepTabStopOnSelected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Step(const QRadioButton* option, int step);

    std::array<QRadioButton*, kAllModelYears.size()> options_{};
};

}  // namespace tarnwick::ui
