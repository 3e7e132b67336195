// Tables that several model years share, defined once.
#pragma once

#include "decoder/code_table.h"

namespace tarnwick::tables {

// District Sales Offices: the same rows in every year, tested in this order.
inline constexpr CodeRow kDsoTable[] = {
    {"11", "Boston"},
    {"12", "Buffalo"},
    {"13", "New York"},
    {"14", "Pittsburgh"},
    {"15", "Newark"},
    {"21", "Atlanta"},
    {"22", "Charlotte"},
    {"23", "Philadelphia"},
    {"24", "Jacksonville"},
    {"25", "Richmond"},
    {"26", "Washington"},
    {"31", "Cincinnatti"},
    {"32", "Cleveland"},
    {"33", "Detroit"},
    {"34", "Indianapolis"},
    {"35", "Lansing"},
    {"36", "Louisville"},
    {"41", "Chicago"},
    {"42", "Fargo"},
    {"43", "Rockford"},
    {"44", "Twin Cities"},
    {"45", "Davenport"},
    {"51", "Denver"},
    {"52", "Des Moines"},
    {"53", "Kansas City"},
    {"54", "Omaha"},
    {"55", "St. Louis"},
    {"61", "Dallas"},
    {"62", "Houston"},
    {"63", "Memphis"},
    {"64", "New Orleans"},
    {"65", "Oklahoma City"},
    {"71", "Los Angeles"},
    {"72", "San Jose"},
    {"73", "Salt Lake City"},
    {"74", "Seattle"},
    {"81", "Ford of Canada"},
    {"83", "Government"},
    {"84", "Home Office Reserve"},
    {"85", "American Red Cross"},
    {"89", "Transportation Service"},
    {"90", "Export"},
    {"91", "Export"},
    {"92", "Export"},
    {"93", "Export"},
    {"94", "Export"},
    {"95", "Export"},
    {"96", "Export"},
    {"97", "Export"},
    {"98", "Export"},
    {"99", "Export"},
};
static_assert(std::size(kDsoTable) == 51 && IsValidTable(kDsoTable));

// Month letters of the build date: two letters a month, no I and no O.
inline constexpr CodeRow kMonthLetterTable[] = {
    {"A", "January"},  {"N", "January"},   {"B", "February"},  {"P", "February"}, {"C", "March"},
    {"Q", "March"},    {"D", "April"},     {"R", "April"},     {"E", "May"},      {"S", "May"},
    {"F", "June"},     {"T", "June"},      {"G", "July"},      {"U", "July"},     {"H", "August"},
    {"V", "August"},   {"J", "September"}, {"W", "September"}, {"K", "October"},  {"X", "October"},
    {"L", "November"}, {"Y", "November"},  {"M", "December"},  {"Z", "December"},
};
static_assert(std::size(kMonthLetterTable) == 24 && IsValidTable(kMonthLetterTable));

// The three assembly plants, the same in every year.
inline constexpr CodeRow kAssemblyPlants[] = {
    {"F", "Dearborn, Michigan"},
    {"R", "San Jose, California"},
    {"T", "Metuchen, New Jersey"},
};
static_assert(IsValidTable(kAssemblyPlants));

// Interior types grew over the years: A to C until 1967, D from 1968 and E
// from 1969. Each year takes the first rows it knows.
inline constexpr CodeRow kInteriorTypes[] = {
    {"A", "Standard"},         {"B", "Luxury (Pony)"}, {"C", "Front Bench"}, {"D", "Front Bench (Deluxe)"},
    {"E", "Special (Grande)"},
};
static_assert(IsValidTable(kInteriorTypes));
inline constexpr CodeTable kInteriorTypesUntil1967 = CodeTable(kInteriorTypes).first(3);
inline constexpr CodeTable kInteriorTypes1968 = CodeTable(kInteriorTypes).first(4);

// Transmissions of the 1964-1/2 to 1966 cars.
inline constexpr CodeRow kTransmissionsUntil1966[] = {
    {"1", "3-Speed Manual"},
    {"5", "4-Speed Manual"},
    {"6", "C-4 Automatic"},
};
static_assert(IsValidTable(kTransmissionsUntil1966));

// Transmissions of the 1969 and 1970 cars.
inline constexpr CodeRow kTransmissionsFrom1969[] = {
    {"1", "3-Speed Manual"}, {"5", "4-Speed Manual"}, {"6", "4-Speed Manual (Close-Ratio)"},
    {"V", "C-6 Automatic"},  {"W", "C-4 Automatic"},  {"Y", "FMX Automatic"},
};
static_assert(IsValidTable(kTransmissionsFrom1969));

}  // namespace tarnwick::tables
