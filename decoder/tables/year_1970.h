// Code tables of the 1970 model year.
#pragma once

#include "decoder/tables/shared_tables.h"

namespace tarnwick::tables::y1970 {

inline constexpr std::string_view kYearDigit = "0";

// Serial 02 reads "Sportsroof" when the warranty number is decoded alone.
inline constexpr BodyPair kBodies[] = {
    {"63", "02", "2+2 Fastback", "Sportsroof"},
    {"63", "05", "Fastback (Mach-I)"},
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
    {"O", "428 4V CJ"},
    {"R", "428 4V SCJ"},
    {"Z", "429 4V Boss"},
};

inline constexpr CodeRow kPaints[] = {
    {"A", "Raven Black"},
    {"C", "Dark Ivy Green Metallic"},
    {"D", "Yellow"},
    {"G", "Medium Lime Metallic"},
    {"J", "Grabber Blue"},
    {"K", "Bright Gold Metallic"},
    {"M", "Wimbledon White"},
    {"N", "Pastel Blue"},
    {"Q", "Medium Blue Metallic"},
    {"S", "Medium Gold Metallic"},
    {"T", "Red"},
    {"U", "Grabber Orange"},
    {"Z", "Grabber Green"},
    {"1", "Calypso Coral"},
    {"2", "Light Ivy Yellow"},
    {"6", "Silver Blue Metallic"},
};

inline constexpr CodeRow kTrims[] = {
    {"3A", "Black Knitted Vinyl Mach I"},
    {"3B", "Blue Knitted Vinyl Mach I"},
    {"3E", "Vermillion Knitted Vinyl Mach I"},
    {"3F", "Ginger Knitted Vinyl Mach I"},
    {"3G", "Ivy Knitted Vinyl Mach I"},
    {"3W", "White Knitted Vinyl Mach I"},
    {"AA", "Black Houndstooth Cloth / Vinyl"},
    {"AB", "Blue Houndstooth Cloth / Vinyl"},
    {"AE", "Vermillion Houndstooth Cloth / Vinyl"},
    {"AF", "Ginger Houndstooth Cloth / Vinyl"},
    {"AG", "Ivy Houndstooth Cloth / Vinyl"},
    {"BA", "Black Vinyl"},
    {"BB", "Blue Vinyl"},
    {"BE", "Vermillion Vinyl"},
    {"BF", "Ginger Vinyl"},
    {"BG", "Ivy Vinyl"},
    {"BW", "White Vinyl"},
    {"CE", "Vermillion Blazer Stripe Cloth"},
    {"CF", "Ginger Blazer Stripe Cloth"},
    {"EA", "Black Comfortweave Vinyl"},
    {"EB", "Blue Comfortweave Vinyl"},
    {"EG", "Ivy Comfortweave Vinyl"},
    {"EW", "White Comfortweave Vinyl"},
    {"TA", "Black Comfortweave Vinyl"},
    {"TB", "Blue Comfortweave Vinyl"},
    {"TG", "Ivy Comfortweave Vinyl"},
    {"TW", "White Comfortweave Vinyl"},
    {"VE", "Vermillion Blazer Stripe Cloth"},
    {"VF", "Ginger Blazer Stripe Cloth"},
};

inline constexpr CodeRow kAxles[] = {
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
    {"F", "2.33:1"},
    {"K", "2.75:1 (Equa-Lock)"},
    {"M", "2.80:1 (Equa-Lock)"},
    {"O", "3.00:1 (Equa-Lock)"},
    {"R", "3.25:1 (Equa-Lock)"},
    {"S", "3.50:1 (Equa-Lock)"},
    {"U", "3.08:1 (Equa-Lock)"},
    {"V", "3.91:1 (Equa-Lock)"},
    {"W", "4.30:1 (Equa-Lock)"},
    {"X", "2.33:1 (Equa-Lock)"},
};

static_assert(HasUniqueSerials(kBodies));
static_assert(std::size(kEngines) == 9 && IsValidTable(kEngines));
static_assert(std::size(kPaints) == 16 && IsValidTable(kPaints));
static_assert(std::size(kTrims) == 29 && IsValidTable(kTrims));
static_assert(std::size(kAxles) == 21 && IsValidTable(kAxles));

}  // namespace tarnwick::tables::y1970
