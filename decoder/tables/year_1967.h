// Code tables of the 1967 model year.
#pragma once

#include "decoder/tables/shared_tables.h"

namespace tarnwick::tables::y1967 {

inline constexpr std::string_view kYearDigit = "7";

inline constexpr BodyPair kBodies[] = {
    {"63", "02", "2+2 Fastback"},
    {"65", "01", "Coupe"},
    {"76", "03", "Convertible"},
};

inline constexpr CodeRow kEngines[] = {
    {"T", "200 6-Cylinder"}, {"C", "289 2V"}, {"A", "289 4V"}, {"K", "289 4V Hi Performance"}, {"S", "390 4V"},
};

inline constexpr CodeRow kPaints[] = {
    {"A", "Raven Black"},   {"B", "Frost Turquoise"}, {"D", "Acapulco Blue"},    {"F", "Arcadian Blue"},
    {"H", "Diamond Green"}, {"I", "Lime Gold"},       {"K", "Nightmist Blue"},   {"M", "Wimbledon White"},
    {"N", "Diamond Blue"},  {"Q", "Brittany Blue"},   {"S", "Dusk Rose"},        {"T", "Candyapple Red"},
    {"V", "Burnt Umber"},   {"W", "Clearwater Aqua"}, {"X", "Vintage Burgundy"}, {"Y", "Dark Moss Green"},
    {"Z", "Sauterne Gold"}, {"4", "Silver Frost"},    {"6", "Pebble Beige"},     {"8", "Springtime Yellow"},
    {"*", "Special Color"},
};

inline constexpr CodeRow kTrims[] = {
    {"2A", "Black Standard/Buckets"},
    {"2B", "Blue Standard/Buckets"},
    {"2D", "Red Standard/Buckets"},
    {"2F", "Saddle Standard/Buckets"},
    {"2G", "Ivy Gold Standard/Buckets"},
    {"2K", "Aqua Standard/Buckets"},
    {"2V", "Parchment Standard/Buckets"},
    {"4A", "Black Bench"},
    {"4V", "Parchment Bench"},
    {"5A", "Black Comfortweave (Luxury)"},
    {"5V", "Parchment Comfortweave (Luxury)"},
    {"6A", "Black Buckets (Luxury)"},
    {"6B", "Blue Buckets (Luxury)"},
    {"6D", "Red Buckets (Luxury)"},
    {"6F", "Saddle Buckets (Luxury)"},
    {"6G", "Ivy Gold Buckets (Luxury)"},
    {"6K", "Aqua Buckets (Luxury)"},
    {"6V", "Parchment Buckets (Luxury)"},
    {"7A", "Black Comfortweave Buckets"},
    {"7V", "Parchment Comfortweave Buckets"},
};

inline constexpr CodeRow kTransmissions[] = {
    {"1", "3-Speed Manual"}, {"3", "3-Speed Manual"}, {"5", "4-Speed Manual"},
    {"V", "C-6 Automatic"},  {"W", "C-4 Automatic"},
};

inline constexpr CodeRow kAxles[] = {
    {"1", "3.00:1"},
    {"2", "2.83:1"},
    {"3", "3.20:1"},
    {"4", "3.25:1"},
    {"5", "3.50:1"},
    {"6", "2.80:1"},
    {"A", "3.00:1 (Equa-Lock)"},
    {"C", "3.20:1 (Equa-Lock)"},
    {"D", "3.25:1 (Equa-Lock)"},
    {"E", "3.50:1 (Equa-Lock)"},
};

static_assert(HasUniqueSerials(kBodies));
static_assert(std::size(kEngines) == 5 && IsValidTable(kEngines));
static_assert(std::size(kPaints) == 21 && IsValidTable(kPaints));
static_assert(std::size(kTrims) == 20 && IsValidTable(kTrims));
static_assert(std::size(kTransmissions) == 5 && IsValidTable(kTransmissions));
static_assert(std::size(kAxles) == 10 && IsValidTable(kAxles));

}  // namespace tarnwick::tables::y1967
