// The year option buttons and their keyboard rules.
#include "ui/main/year_frame.h"

#include <QKeyEvent>
#include <algorithm>

#include "ui/common/core_text.h"
#include "ui/main/plate_layout.h"
#include "ui/main/whole_box_button.h"

namespace tarnwick::ui {
namespace {

struct OptionPlace {
    const char* name;
    int top;  // twips in the frame
};

// By ModelYear.
constexpr std::array<OptionPlace, kAllModelYears.size()> kOptionPlaces = {{
    {"opt1964", 250},
    {"opt1965", 600},
    {"opt1966", 950},
    {"opt1967", 1300},
    {"opt1968", 1650},
    {"opt1969", 2000},
    {"opt1970", 2350},
}};

// -1 for the previous year, 1 for the next, 0 for any other key.
int ArrowStep(const QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return 0;
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            return -1;
        case Qt::Key_Down:
        case Qt::Key_Right:
            return 1;
        default:
            return 0;
    }
}

}  // namespace

// Created in year order, which is the order assistive technology reads
// them in; the buttons do not overlap, so the order draws nothing else.
YearFrame::YearFrame(QWidget* parent) : CaptionFrame(tr("Year"), parent) {
    for (ModelYear year : kAllModelYears) {
        const OptionPlace& place = kOptionPlaces[static_cast<std::size_t>(year)];
        auto* option = new WholeBoxButton<QRadioButton>(FromUtf8(YearLabel(year)), this);
        option->setObjectName(QString::fromLatin1(place.name));
        option->setGeometry(ToPixels({120, place.top, 1335, 255}));
        options_[static_cast<std::size_t>(year)] = option;
    }
    Option(ModelYear::Y1964Half)->setChecked(true);
    for (QRadioButton* option : options_)
        option->installEventFilter(this);
}

ModelYear YearFrame::Selected() const {
    for (ModelYear year : kAllModelYears) {
        if (Option(year)->isChecked()) return year;
    }
    return ModelYear::Y1964Half;
}

void YearFrame::KeepTabStopOnSelected() {
    for (QRadioButton* option : options_)
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

bool YearFrame::eventFilter(QObject* watched, QEvent* event) {
    auto* option = qobject_cast<QRadioButton*>(watched);
    if (option != nullptr && event->type() == QEvent::KeyPress) {
        const int step = ArrowStep(static_cast<QKeyEvent*>(event));
        return step != 0 && Step(option, step);
    }
    return CaptionFrame::eventFilter(watched, event);
}

// Selects the year `step` places on, round the group, focus first, then a
// click that runs the year change.
bool YearFrame::Step(const QRadioButton* option, int step) {
    const auto found = std::find(options_.begin(), options_.end(), option);
    if (found == options_.end()) return false;
    const auto count = static_cast<int>(options_.size());
    const int next_index = (static_cast<int>(found - options_.begin()) + step + count) % count;
    QRadioButton* next = options_[static_cast<std::size_t>(next_index)];
    next->setFocus(Qt::TabFocusReason);
    next->click();
    return true;
}

}  // namespace tarnwick::ui
