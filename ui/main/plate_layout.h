// Where the entry fields stand over each year's plate picture, and the
// window geometry they are measured in. Constant data: the window places its
// fields from it and the plate pictures paint their blanks from it, so the
// two cannot drift apart.
#pragma once

#include <QRect>
#include <array>
#include <cstddef>
#include <cstdint>

#include "decoder/model_year.h"
#include "decoder/plate_fields.h"
#include "ui/common/twips.h"

namespace tarnwick::ui {

// The three plate pictures; each serves one layout.
enum class PlatePicture : std::uint8_t { Pic1965, Pic1966, Pic1970 };
inline constexpr std::size_t kPlatePictureCount = 3;

struct TwipsPoint {
    int left, top;
};

struct PlateLayout {
    PlatePicture picture;
    std::array<TwipsPoint, kAllFields.size()> position;  // by Field
    int date_width;                                      // twips
    std::array<Field, kAllFields.size()> tab_order;      // tab positions 1 to 8
};

inline constexpr int kFieldWidth = 495;
inline constexpr int kWarrantyWidth = 2080;
inline constexpr int kFieldHeight = 375;

// Positions are listed in Field order: warranty, body, color, trim, date,
// DSO, axle, trans.
inline constexpr PlateLayout kLayout1965 = {
    PlatePicture::Pic1965,
    {{{3450, 1950}, {2700, 1080}, {3400, 1080}, {4100, 1080}, {4680, 1080}, {5500, 1080}, {6360, 1080}, {7200, 1080}}},
    495,
    {Field::Body, Field::Color, Field::Trim, Field::Date, Field::Dso, Field::Axle, Field::Trans, Field::Warranty},
};

inline constexpr PlateLayout kLayout1966 = {
    PlatePicture::Pic1966,
    {{{2850, 1140}, {2970, 1980}, {3620, 1980}, {4260, 1980}, {4800, 1980}, {5520, 1980}, {6260, 1980}, {6900, 1980}}},
    495,
    {Field::Warranty, Field::Body, Field::Color, Field::Trim, Field::Date, Field::Dso, Field::Axle, Field::Trans},
};

inline constexpr PlateLayout kLayout1970 = {
    PlatePicture::Pic1970,
    {{{3120, 2600}, {5480, 2600}, {6440, 2600}, {3260, 3240}, {3400, 1160}, {6640, 3240}, {4350, 3240}, {5580, 3240}}},
    600,
    {Field::Date, Field::Warranty, Field::Body, Field::Color, Field::Trim, Field::Axle, Field::Trans, Field::Dso},
};

inline constexpr std::array<const PlateLayout*, kPlatePictureCount> kLayouts = {&kLayout1965, &kLayout1966,
                                                                                &kLayout1970};

constexpr const PlateLayout& LayoutFor(ModelYear year) {
    switch (year) {
        case ModelYear::Y1964Half:
        case ModelYear::Y1965:
            return kLayout1965;
        case ModelYear::Y1970:
            return kLayout1970;
        default:
            return kLayout1966;
    }
}

// A field's place and size in the window, in twips.
constexpr Twips FieldTwips(const PlateLayout& layout, Field field) {
    const TwipsPoint at = layout.position[static_cast<std::size_t>(field)];
    const int width = field == Field::Warranty ? kWarrantyWidth
                      : field == Field::Date   ? layout.date_width
                                               : kFieldWidth;
    return {at.left, at.top, width, kFieldHeight};
}

// The plate picture boxes: all three share one place in the window, and a
// sunken border of this many pixels lies between the box and its picture.
inline constexpr Twips kPictureBox = {2040, 240, 6350, 3700};
inline constexpr int kPictureBorder = 2;
inline constexpr QSize kPlatePictureSize = {420, 244};

// A field's rectangle in the coordinates of its plate picture.
constexpr QRect FieldOnPicture(const PlateLayout& layout, Field field) {
    const QRect box = ToPixels(kPictureBox);
    return ToPixels(FieldTwips(layout, field)).translated(-box.left() - kPictureBorder, -box.top() - kPictureBorder);
}

// Every field of every layout must lie on its picture.
constexpr bool FieldsLieOnPictures() {
    for (const PlateLayout* layout : kLayouts) {
        for (Field field : kAllFields) {
            const QRect r = FieldOnPicture(*layout, field);
            if (r.left() < 0 || r.top() < 0 || r.right() >= kPlatePictureSize.width() ||
                r.bottom() >= kPlatePictureSize.height())
                return false;
        }
    }
    return true;
}
static_assert(FieldsLieOnPictures());

// Each layout's tab order names every field once.
constexpr bool TabOrdersComplete() {
    for (const PlateLayout* layout : kLayouts) {
        for (Field field : kAllFields) {
            int seen = 0;
            for (Field tab : layout->tab_order)
                seen += tab == field ? 1 : 0;
            if (seen != 1) return false;
        }
    }
    return true;
}
static_assert(TabOrdersComplete());

}  // namespace tarnwick::ui
