// Code tables of the 1964-1/2 model year.
#pragma once

#include "decoder/tables/shared_tables.h"

namespace tarnwick::tables::y1964 {

inline constexpr std::string_view kYearDigit = "5";

inline constexpr BodyPair kBodies[] = {
    {"65", "07", "Coupe"},
    {"76", "08", "Convertible"},
};

inline constexpr CodeRow kEngines[] = {
    {"V", "170 6-Cylinder"}, {"T", "200 6-Cylinder"}, {"F", "260 V8"}, {"D", "289 4V"}, {"K", "289 4V Hi Performance"},
};

inline constexpr CodeRow kPaints[] = {
    {"A", "Raven Black"},      {"B", "Pagoda Green"},       {"C", "(Special) - Pace Car White"},
    {"D", "Dynasty Green"},    {"F", "Guardsman Blue"},     {"H", "Caspian Blue"},
    {"I", "Champagne Beige"},  {"J", "Rangoon Red"},        {"K", "Silversmoke Gray"},
    {"M", "Wimbledon White"},  {"O", "Tropical Turquoise"}, {"P", "Prairie Bronze"},
    {"R", "Ivy Green"},        {"S", "Cascade Green"},      {"V", "Sunlight Yellow"},
    {"X", "Vintage Burgundy"}, {"Y", "Skylight Blue"},      {"Z", "Chantilly Beige"},
    {"3", "Poppy Red"},        {"5", "Twilight Turquoise"}, {"8", "Phoenician Yellow"},
};

inline constexpr CodeRow kTrims[] = {
    {"42", "White Vinyl w/Blue Trim"},        {"45", "White Vinyl w/Red Trim"},      {"46", "White Vinyl w/Black Trim"},
    {"48", "White Vinyl w/Ivy Gold Trim"},    {"49", "White Vinyl w/Palomino Trim"}, {"56", "Black Vinyl / Cloth"},
    {"82", "Blue Vinyl w/Blue Trim"},         {"85", "Red Vinyl w/Red Trim"},        {"86", "Black Vinyl w/Black Trim"},
    {"89", "Palomino Vinyl w/Palomino Trim"},
};

inline constexpr CodeRow kAxles[] = {
    {"1", "3.00:1"},
    {"3", "3.20:1"},
    {"4", "3.25:1"},
    {"5", "3.50:1"},
    {"6", "2.80:1"},
    {"7", "3.80:1"},
    {"8", "3.89:1"},
    {"9", "4.11:1"},
    {"A", "3.00:1 (Equa-Lock)"},
    {"C", "3.20:1 (Equa-Lock)"},
    {"D", "3.25:1 (Equa-Lock)"},
    {"E", "3.50:1 (Equa-Lock)"},
    {"F", "2.80:1 (Equa-Lock)"},
    {"G", "3.80:1 (Equa-Lock)"},
    {"H", "3.89:1 (Equa-Lock)"},
    {"I", "4.11:1 (Equa-Lock)"},
};

static_assert(HasUniqueSerials(kBodies));
static_assert(std::size(kEngines) == 5 && IsValidTable(kEngines));
static_assert(std::size(kPaints) == 21 && IsValidTable(kPaints));
static_assert(std::size(kTrims) == 10 && IsValidTable(kTrims));
static_assert(std::size(kAxles) == 16 && IsValidTable(kAxles));

}  // namespace tarnwick::tables::y1964
