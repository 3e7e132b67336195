// The results panel's labels: object names, places and fonts.
#include "ui/main/results_panel.h"

#include "ui/common/accessible_role.h"
#include "ui/common/core_text.h"
#include "ui/common/window_fonts.h"
#include "ui/main/plate_layout.h"

namespace tarnwick::ui {
namespace {

struct ResultPlace {
    const char* caption_name;
    const char* result_name;
    int column;  // 0 left, 1 right
    int row;
};

// By ResultItem.
constexpr std::array<ResultPlace, kResultCount> kPlaces = {{
    {"lblYear", "lblYearResult", 0, 0},
    {"lblBody", "lblBodyResult", 0, 1},
    {"lblExterior", "lblExteriorResult", 0, 2},
    {"lblInterior", "lblInteriorResult", 0, 3},
    {"lblInteriorType", "lblInteriorTypeResult", 0, 4},
    {"lblEngine", "lblEngineResult", 0, 5},
    {"lblTrans", "lblTransResult", 0, 6},
    {"lblAxle", "lblAxleResult", 1, 0},
    {"lblDSO", "lblDSOResult", 1, 1},
    {"lblPlant", "lblPlantResult", 1, 2},
    {"lblDate", "lblDateResult", 1, 3},
    {"lblUnit", "lblUnitResult", 1, 4},
}};

// In twips inside the panel.
constexpr std::array<int, 2> kCaptionLeft = {120, 4680};
constexpr std::array<int, 2> kResultLeft = {1440, 6480};
constexpr int kFirstRowTop = 120;
constexpr int kRowStep = 240;
constexpr int kCaptionHeight = 195;
// The left results reach to the right captions: the longest interior texts
// need more than the right column's width.
constexpr std::array<int, 2> kResultWidth = {3210, 2895};
constexpr int kResultHeight = 255;

std::size_t Index(ResultItem item) { return static_cast<std::size_t>(item); }

}  // namespace

ResultsPanel::ResultsPanel(QWidget* parent) : GrillePanel(parent) {
    PresentAsGroup(this, QStringLiteral("Results"), QStringLiteral("On a faded picture of the front grille"));
    for (ResultItem item : kAllResultItems)
        AddItem(item);
}

void ResultsPanel::AddItem(ResultItem item) {
    const ResultPlace& place = kPlaces[Index(item)];
    const QPoint origin = contentsRect().topLeft();
    const int top = kFirstRowTop + place.row * kRowStep;
    const auto column = static_cast<std::size_t>(place.column);

    const QString caption_text = FromUtf8(ResultCaption(item));
    auto* caption = new QLabel(caption_text, this);
    caption->setObjectName(QString::fromLatin1(place.caption_name));
    caption->setFont(CaptionFont());
    caption->setTextFormat(Qt::PlainText);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QRect caption_box = ToPixels({kCaptionLeft[column], top, 0, kCaptionHeight});
    caption->setGeometry(
        QRect(caption_box.topLeft() + origin, QSize(caption->sizeHint().width(), caption_box.height())));

    auto* result = new ResultLabel(caption_text, this);
    result->setObjectName(QString::fromLatin1(place.result_name));
    result->setTextFormat(Qt::PlainText);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    result->setPalette(blue);
    result->setGeometry(
        ToPixels({kResultLeft[column], top, kResultWidth[column], kResultHeight}).translated(origin));
    results_[Index(item)] = result;
}

void ResultsPanel::Show(const DecodeResults& results) {
    for (ResultItem item : kAllResultItems)
        results_[Index(item)]->ShowResult(FromUtf8(results[item]));
}

void ResultsPanel::Clear() {
    for (ResultLabel* result : results_)
        result->ShowResult(QString());
}

}  // namespace tarnwick::ui
