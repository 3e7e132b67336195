// Code tables of the 1969 model year.
#pragma once

#include "decoder/tables/shared_tables.h"

namespace tarnwick::tables::y1969 {

inline constexpr std::string_view kYearDigit = "9";

inline constexpr BodyPair kBodies[] = {
    {"63", "02", "Sportsroof"},
    {"65", "01", "Coupe"},
    {"76", "03", "Convertible"},
};

inline constexpr CodeRow kEngines[] = {
    {"T", "200 6-Cylinder"},
    {"L", "250 6-Cylinder"},
    {"F", "302 4V"},
    {"G", "302 4V Boss"},
    {"H", "351 2V (Cleveland or Windsor)"},
    {"M", "351 4V (Windsor)"},
    {"S", "390 4V"},
    {"O", "428 4V CJ"},
    {"R", "428 4V SCJ"},
    {"Z", "429 4V Boss"},
};

inline constexpr CodeRow kPaints[] = {
    {"A", "Raven Black"},    {"B", "Royal Maroon"},
    {"C", "Black Jade"},     {"D", "Acapulco Blue"},
    {"E", "Azrec Aqua"},     {"F", "Gulfstream Aqua"},
    {"I", "Lime Gold"},      {"M", "Wimbledon White"},
    {"P", "Winter Blue"},    {"S", "Champagne Gold"},
    {"T", "Candyapple Red"}, {"W", "Meadowlark Yellow"},
    {"Y", "Indian Fire"},    {"2", "Lime"},
    {"3", "Calypso Coral"},  {"4", "Silver Jade"},
    {"6", "Pastel Gray"},
};

inline constexpr CodeRow kTrims[] = {
    {"1A", "Black Cloth / Vinyl (Luxury)"},
    {"1B", "Blue Cloth / Vinyl (Luxury)"},
    {"1G", "Ivy Gold Cloth / Vinyl (Luxury)"},
    {"1Y", "Nugget Gold Cloth / Vinyl (Luxury)"},
    {"2A", "Black Vinyl Buckets"},
    {"2B", "Blue Vinyl Buckets"},
    {"2D", "Red Vinyl Buckets"},
    {"2G", "Ivy Gold Vinyl Buckets"},
    {"2Y", "Nugget Gold Vinyl Buckets"},
    {"3A", "Black Knitted Vinyl, Mach I"},
    {"3D", "Red Knitted Vinyl, Mach I"},
    {"3W", "White Knitted Vinyl, Mach I"},
    {"4A", "Black Comfortweave Hi Buckets"},
    {"DA", "Black Comfortweave Hi Buckets (Decor)"},
    {"4D", "Red Comfortweave Hi Buckets"},
    {"DD", "Red Comfortweave Hi Buckets (Decor)"},
    {"DW", "White Comfortweave Hi Buckets"},
    {"5A", "Black Comfortweave (Luxury)"},
    {"5B", "Blue Comfortweave (Luxury)"},
    {"5D", "Red Comfortweave (Luxury)"},
    {"5G", "Ivy Gold Comfortweave (Luxury)"},
    {"5W", "White Comfortweave (Luxury)"},
    {"5Y", "Nugget Gold Comfortweave (Luxury)"},
    {"7A", "Black Convertible Deluxe Buckets"},
    {"7B", "Blue Convertible Deluxe Buckets"},
    {"7D", "Red Convertible Deluxe Buckets"},
    {"7G", "Ivy Gold Convertible Deluxe Buckets"},
    {"7W", "White Convertible Deluxe Buckets"},
    {"7Y", "Nugget Gold Convertible Deluxe Buckets"},
    {"8A", "Black Comfortweave Bench"},
    {"9A", "Black Comfortweave Bench (Decor)"},
    {"8B", "Blue Comfortweave Bench"},
    {"9B", "Blue Comfortweave Bench (Decor)"},
    {"8D", "Red Comfortweave Bench"},
    {"9D", "Red Comfortweave Bench (Decor)"},
    {"8Y", "Nugget Gold Comfortweave Bench"},
    {"9Y", "Nugget Gold Comfortweave Bench (Decor)"},
};

inline constexpr CodeRow kAxles[] = {
    {"1", "2.50:1"},
    {"2", "2.75:1"},
    {"3", "2.79:1"},
    {"4", "2.80:1"},
    {"5", "2.83:1"},
    {"6", "3.00:1"},
    {"7", "3.10:1"},
    {"8", "3.20:1"},
    {"9", "3.25:1"},
    {"A", "3.50:1"},
    {"B", "3.07:1"},
    {"C", "3.08:1"},
    {"D", "3.91:1"},
    {"E", "4.30:1"},
    {"J", "2.50:1 (Equa-Lock)"},
    {"K", "2.75:1 (Equa-Lock)"},
    {"L", "2.79:1 (Equa-Lock)"},
    {"M", "2.80:1 (Equa-Lock)"},
    {"N", "2.83:1 (Equa-Lock)"},
    {"O", "3.00:1 (Equa-Lock)"},
    {"P", "3.10:1 (Equa-Lock)"},
    {"Q", "3.20:1 (Equa-Lock)"},
    {"R", "3.25:1 (Equa-Lock)"},
    {"S", "3.50:1 (Equa-Lock)"},
    {"T", "3.07:1 (Equa-Lock)"},
    {"U", "3.08:1 (Equa-Lock)"},
    {"V", "3.91:1 (Equa-Lock)"},
    {"W", "4.30:1 (Equa-Lock)"},
};

static_assert(HasUniqueSerials(kBodies));
static_assert(std::size(kEngines) == 10 && IsValidTable(kEngines));
static_assert(std::size(kPaints) == 17 && IsValidTable(kPaints));
static_assert(std::size(kTrims) == 37 && IsValidTable(kTrims));
static_assert(std::size(kAxles) == 28 && IsValidTable(kAxles));

}  // namespace tarnwick::tables::y1969
