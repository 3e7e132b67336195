// Code tables of the 1966 model year.
#pragma once

#include "decoder/tables/shared_tables.h"

namespace tarnwick::tables::y1966 {

inline constexpr std::string_view kYearDigit = "6";

// The body styles, their serials and their order are those of 1965.

inline constexpr CodeRow kEngines[] = {
    {"T", "200 6-Cylinder"},
    {"C", "289 2V"},
    {"A", "289 4V"},
    {"K", "289 4V Hi Performance"},
};

inline constexpr CodeRow kPaints[] = {
    {"A", "Raven Black"},       {"F", "Light Blue"},
    {"H", "Sahara Beige"},      {"K", "Nightmist Blue"},
    {"M", "Wimbledon White"},   {"P", "Antique Bronze"},
    {"Q", "Brittany Blue"},     {"R", "Dark Green Metallic"},
    {"T", "Candyapple Red"},    {"U", "Tahoe Turquoise"},
    {"V", "Emberglo"},          {"X", "Vintage Burgundy"},
    {"Y", "Silver Blue"},       {"Z", "Medium Sage Metallic"},
    {"4", "Silver Frost"},      {"5", "Signal Flare Red"},
    {"8", "Springtime Yellow"}, {"*", "Special"},
};

inline constexpr CodeRow kTrims[] = {
    {"22", "Blue w/Blue Trim"},
    {"25", "Red w/Red Trim"},
    {"26", "Black w/Black Trim"},
    {"27", "Aqua w/Aqua Trim"},
    {"32", "Blue Bench"},
    {"35", "Red Bench"},
    {"36", "Black Bench"},
    {"62", "Blue / White (Luxury)"},
    {"64", "Emberglo / Parchment (Luxury)"},
    {"65", "Red (Luxury)"},
    {"66", "Black (Luxury)"},
    {"67", "Aqua / White (Luxury)"},
    {"68", "Ivy Gold / White (Luxury)"},
    {"C2", "Parchment w/Blue Trim Bench"},
    {"C3", "Parchment w/Burgundy Trim Bench"},
    {"C4", "Parchment w/Emberglo Trim Bench"},
    {"C6", "Parchment w/Black Trim Bench"},
    {"C7", "Parchment w/Aqua Trim Bench"},
    {"C8", "Parchment w/Ivy Gold Trim Bench"},
    {"C9", "Parchment w/Palomino Trim Bench"},
    {"D2", "Parchment w/Blue Trim"},
    {"D3", "Parchment w/Burgundy Trim"},
    {"D4", "Parchment w/Emberglo Trim"},
    {"D6", "Parchment w/Black Trim"},
    {"D7", "Parchment w/Aqua Trim"},
    {"D8", "Parchment w/Ivy Gold Trim"},
    {"D9", "Parchment w/Palomino Trim"},
    {"F2", "Parchment w/Blue Trim (Luxury)"},
    {"F3", "Parchment w/Burgundy Trim (Luxury)"},
    {"F4", "Parchment w/Emberglo Trim (Luxury)"},
    {"F6", "Parchment w/Black Trim (Luxury)"},
    {"F7", "Parchment w/Aqua Trim (Luxury)"},
    {"F8", "Parchment w/Ivy Gold Trim (Luxury)"},
    {"F9", "Parchment w/Palomino Trim (Luxury)"},
};

inline constexpr CodeRow kAxles[] = {
    {"1", "3.00:1"},
    {"2", "2.83:1"},
    {"3", "3.20:1"},
    {"4", "3.25:1"},
    {"5", "3.50:1"},
    {"6", "2.80:1"},
    {"8", "3.89:1"},
    {"A", "3.00:1 (Equa-Lock)"},
    {"C", "3.20:1 (Equa-Lock)"},
    {"D", "3.25:1 (Equa-Lock)"},
    {"E", "3.50:1 (Equa-Lock)"},
    {"F", "2.80:1 (Equa-Lock)"},
    {"H", "3.89:1 (Equa-Lock)"},
    {"L", "2.83:1 (Equa-Lock)"},
};

static_assert(std::size(kEngines) == 4 && IsValidTable(kEngines));
static_assert(std::size(kPaints) == 18 && IsValidTable(kPaints));
static_assert(std::size(kTrims) == 34 && IsValidTable(kTrims));
static_assert(std::size(kAxles) == 14 && IsValidTable(kAxles));

}  // namespace tarnwick::tables::y1966
