// The entry fields' texts as UTF-8, kept alive while the core reads them:
// the window's edge between QString and the core's string views.
#pragma once

#include <QByteArray>
#include <QLineEdit>
#include <array>

#include "decoder/plate_fields.h"

namespace tarnwick::ui {

class FieldTexts {
public:
    template <typename Edit>
    explicit FieldTexts(const std::array<Edit*, kAllFields.size()>& edits) {
        for (std::size_t i = 0; i < edits.size(); ++i)
            bytes_[i] = edits[i]->text().toUtf8();
    }

    PlateFields View() const {
        PlateFields fields;
        for (Field field : kAllFields) {
            const QByteArray& text = bytes_[static_cast<std::size_t>(field)];
            fields[field] = std::string_view(text.constData(), static_cast<std::size_t>(text.size()));
        }
        return fields;
    }

private:
    std::array<QByteArray, kAllFields.size()> bytes_;
};

}  // namespace tarnwick::ui
