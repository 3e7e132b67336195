// Code tables of the 1968 model year.
#pragma once

#include "decoder/tables/shared_tables.h"

namespace tarnwick::tables::y1968 {

inline constexpr std::string_view kYearDigit = "8";

// The body styles, their serials and their order are those of 1967.

inline constexpr CodeRow kEngines[] = {
    {"T", "200 6-Cylinder"}, {"C", "289 2V"}, {"J", "302 4V"}, {"Y", "390 2V"},
    {"S", "390 4V"},         {"W", "427 4V"}, {"P", "428 4V"},
};

inline constexpr CodeRow kPaints[] = {
    {"A", "Raven Black"},       {"B", "Royal Maroon"},      {"D", "Acapulco Blue"},  {"F", "Gulfstream Aqua"},
    {"I", "Lime Gold"},         {"M", "Wimbledon White"},   {"N", "Diamond Blue"},   {"O", "Seafoam Green"},
    {"Q", "Brittany Blue"},     {"R", "Highland Green"},    {"T", "Candyapple Red"}, {"U", "Tahoe Turquoise"},
    {"W", "Meadowlark Yellow"}, {"X", "Presidential Blue"}, {"Y", "Sunlit Gold"},    {"6", "Pebble Beige"},
};

inline constexpr CodeRow kTrims[] = {
    {"2A", "Black Vinyl Buckets"},
    {"6A", "Black Vinyl Buckets (Decor)"},
    {"2B", "Blue Vinyl Buckets"},
    {"6B", "Blue Vinyl Buckets (Decor)"},
    {"2D", "Red Vinyl Buckets"},
    {"6D", "Red Vinyl Buckets (Decor)"},
    {"2F", "Saddle Vinyl Buckets"},
    {"6F", "Saddle Vinyl Buckets (Decor)"},
    {"2G", "Ivy Gold Vinyl Buckets"},
    {"6G", "Ivy Gold Vinyl Buckets (Decor)"},
    {"2K", "Aqua Vinyl Buckets"},
    {"6K", "Aqua Vinyl Buckets (Decor)"},
    {"2V", "Parchment Vinyl Buckets"},
    {"6V", "Parchment Vinyl Buckets (Decor)"},
    {"2Y", "Nugget Gold Vinyl Buckets"},
    {"6Y", "Nugget Gold Vinyl Buckets (Decor)"},
    {"7A", "Black Comfortweave Buckets"},
    {"5A", "Black Comfortweave Buckets (Decor)"},
    {"7B", "Blue Comfortweave Buckets"},
    {"5B", "Blue Comfortweave Buckets (Decor)"},
    {"7D", "Red Comfortweave Buckets"},
    {"5D", "Red Comfortweave Buckets (Decor)"},
    {"8A", "Black Comfortweave Bench"},
    {"9A", "Black Comfortweave Bench (Decor)"},
    {"8B", "Blue Comfortweave Bench"},
    {"9B", "Blue Comfortweave Bench (Decor)"},
    {"8D", "Red Comfortweave Bench"},
    {"9D", "Red Comfortweave Bench (Decor)"},
    {"8V", "Parchment Comfortweave Bench"},
    {"9V", "Parchment Comfortweave Bench (Decor)"},
    // The printed code of this trim breaks the table's own scheme (parchment
    // trims end in V, plain comfortweave buckets begin with 7): it is 7V here.
    {"7V", "Parchment Comfortweave Buckets"},
};

inline constexpr CodeRow kTransmissions[] = {
    {"1", "3-Speed Manual"},
    {"5", "4-Speed Manual"},
    {"V", "C-6 Automatic"},
    {"W", "C-4 Automatic"},
};

inline constexpr CodeRow kAxles[] = {
    {"1", "2.75:1"},
    {"2", "2.79:1"},
    {"4", "2.83:1"},
    {"5", "3.00:1"},
    {"6", "3.20:1"},
    {"7", "3.25:1"},
    {"8", "3.50:1"},
    {"9", "3.10:1"},
    {"E", "3.00:1 (Equa-Lock)"},
    {"F", "3.20:1 (Equa-Lock)"},
    {"G", "3.25:1 (Equa-Lock)"},
    {"H", "3.50:1 (Equa-Lock)"},
};

static_assert(std::size(kEngines) == 7 && IsValidTable(kEngines));
static_assert(std::size(kPaints) == 16 && IsValidTable(kPaints));
static_assert(std::size(kTrims) == 31 && IsValidTable(kTrims));
static_assert(std::size(kTransmissions) == 4 && IsValidTable(kTransmissions));
static_assert(std::size(kAxles) == 12 && IsValidTable(kAxles));

}  // namespace tarnwick::tables::y1968
