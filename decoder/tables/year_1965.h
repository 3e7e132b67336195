// Code tables of the 1965 model year.
#pragma once

#include "decoder/tables/shared_tables.h"

namespace tarnwick::tables::y1965 {

// Plants, interior types, transmissions and rear axles are those of 1964-1/2.
inline constexpr std::string_view kYearDigit = "5";

inline constexpr BodyPair kBodies[] = {
    {"63", "09", "2+2 Fastback"},
    {"65", "07", "Coupe"},
    {"76", "08", "Convertible"},
};

inline constexpr CodeRow kEngines[] = {
    {"V", "170 6-Cylinder"}, {"T", "200 6-Cylinder"},        {"F", "260 V8"}, {"C", "289 2V"}, {"D", "289 4V"},
    {"A", "289 4V"},         {"K", "289 4V Hi Performance"},
};

inline constexpr CodeRow kPaints[] = {
    {"A", "Raven Black"},       {"B", "Midnight Turquoise"}, {"C", "Honey Gold"},     {"D", "Dynasty Green"},
    {"H", "Caspian Blue"},      {"I", "Champagne Beige"},    {"J", "Rangoon Red"},    {"K", "Silversmoke Gray"},
    {"M", "Wimbledon White"},   {"O", "Tropical Turquoise"}, {"P", "Prairie Bronze"}, {"R", "Ivy Green"},
    {"V", "Sunlight Yellow"},   {"X", "Vintage Burgundy"},   {"Y", "Silver Blue"},    {"3", "Poppy Red"},
    {"8", "Springtime Yellow"},
};

inline constexpr CodeRow kTrims[] = {
    {"22", "Blue w/Blue Trim"},
    {"25", "Red w/Red Trim"},
    {"26", "Black w/Black Trim"},
    {"28", "Ivy Gold Vinyl w/Gold Trim"},
    {"29", "Palomino Vinyl w/Palomino Trim"},
    {"32", "Blue Bench"},
    {"35", "Red Bench"},
    {"36", "Black Bench"},
    {"39", "Palomino Bench"},
    {"62", "Blue / White (Luxury)"},
    {"65", "Red / White(Luxury)"},
    {"66", "Black / White(Luxury)"},
    {"67", "Aqua / White (Luxury)"},
    {"68", "Ivy Gold / White (Luxury)"},
    {"69", "Palomino (Luxury)"},
    {"76", "Black Fabric / Vinyl"},
    {"79", "Palomino Fabric / Vinyl"},
    {"D2", "White w/Blue Trim"},
    {"D5", "White w/Red Trim"},
    {"D6", "White w/Black Trim"},
    {"D8", "White w/Ivy Gold Trim"},
    {"D9", "White w/Palomino Trim"},
    {"F2", "White w/Blue Trim (Luxury)"},
    {"F5", "White w/Red Trim (Luxury)"},
    {"F6", "White w/Black Trim (Luxury)"},
    {"F7", "White w/Aqua Trim (Luxury)"},
    {"F8", "White w/Ivy Gold Trim (Luxury)"},
    {"F9", "White w/Palomino Trim (Luxury)"},
};

static_assert(HasUniqueSerials(kBodies));
static_assert(std::size(kEngines) == 7 && IsValidTable(kEngines));
static_assert(std::size(kPaints) == 17 && IsValidTable(kPaints));
static_assert(std::size(kTrims) == 28 && IsValidTable(kTrims));

}  // namespace tarnwick::tables::y1965
