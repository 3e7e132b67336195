// The twelve results on the grille: a bold caption and a blue result text
// for every item, in two columns.
#pragma once

#include <array>

#include "decoder/decode_results.h"
#include "ui/main/plates_grille_emblem.h"
#include "ui/main/result_label.h"

namespace tarnwick::ui {

class ResultsPanel final : public GrillePanel {
public:
    explicit ResultsPanel(QWidget* parent);

    void Show(const DecodeResults& results);
    void Clear();

private:
    void AddItem(ResultItem item);

    std::array<ResultLabel*, kResultCount> results_{};
};

}  // namespace tarnwick::ui
