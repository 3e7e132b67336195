// A plate of every model year that decodes without error in the normal
// mode, with its twelve results: the one list the decoder, window,
// integration and browser tests and the benchmarks start from.
#pragma once

#include <array>

#include "decoder/decode_results.h"
#include "decoder/model_year.h"
#include "decoder/plate_fields.h"

namespace tarnwick::testing {

struct Plate {
    ModelYear year;
    const char *warranty, *body, *color, *trim, *date, *dso, *axle, *trans;

    const char* Text(Field field) const {
        const std::array<const char*, kAllFields.size()> texts = {warranty, body, color, trim, date, dso, axle, trans};
        return texts[static_cast<std::size_t>(field)];
    }
    PlateFields Fields() const { return {warranty, body, color, trim, date, dso, axle, trans}; }
};

// By ModelYear.
inline constexpr std::array<Plate, kAllModelYears.size()> kGoodPlates = {{
    {ModelYear::Y1964Half, "5F07K100001", "65A", "A", "42", "12C", "11", "1", "1"},
    {ModelYear::Y1965, "5R09A200000", "63A", "M", "F5", "28K", "71", "8", "5"},
    {ModelYear::Y1966, "6F07C100001", "65A", "M", "26", "15K", "22", "8", "1"},
    {ModelYear::Y1967, "7F01C100001", "65A", "M", "2A", "15K", "22", "1", "W"},
    {ModelYear::Y1968, "8F02J100001", "63A", "X", "6A", "15K", "33", "8", "V"},
    {ModelYear::Y1969, "9F02M100001", "63A", "T", "3A", "15K", "33", "R", "W"},
    {ModelYear::Y1970, "0F05G100001", "63A", "U", "3A", "", "33", "V", "5"},
}};

// The results of kGoodPlates, by ModelYear, in the results panel's order.
inline constexpr std::array<std::array<const char*, kResultCount>, kAllModelYears.size()> kGoodPlateResults = {{
    {"1964-1/2", "Coupe", "Raven Black", "White Vinyl w/Blue Trim", "Standard", "289 4V Hi Performance",
     "3-Speed Manual", "3.00:1", "Boston", "Dearborn, Michigan", "12 March", "100001"},
    {"1965", "2+2 Fastback", "Wimbledon White", "White w/Red Trim (Luxury)", "Standard", "289 4V", "4-Speed Manual",
     "3.89:1", "Los Angeles", "San Jose, California", "28 October", "200000"},
    {"1966", "Coupe", "Wimbledon White", "Black w/Black Trim", "Standard", "289 2V", "3-Speed Manual", "3.89:1",
     "Charlotte", "Dearborn, Michigan", "15 October", "100001"},
    {"1967", "Coupe", "Wimbledon White", "Black Standard/Buckets", "Standard", "289 2V", "C-4 Automatic", "3.00:1",
     "Charlotte", "Dearborn, Michigan", "15 October", "100001"},
    {"1968", "2+2 Fastback", "Presidential Blue", "Black Vinyl Buckets (Decor)", "Standard", "302 4V", "C-6 Automatic",
     "3.50:1", "Detroit", "Dearborn, Michigan", "15 October", "100001"},
    {"1969", "Sportsroof", "Candyapple Red", "Black Knitted Vinyl, Mach I", "Standard", "351 4V (Windsor)",
     "C-4 Automatic", "3.25:1 (Equa-Lock)", "Detroit", "Dearborn, Michigan", "15 October", "100001"},
    {"1970", "Fastback (Mach-I)", "Grabber Orange", "Black Knitted Vinyl Mach I", "Standard", "302 4V Boss",
     "4-Speed Manual", "3.91:1 (Equa-Lock)", "Detroit", "Dearborn, Michigan", "n/a", "100001"},
}};

}  // namespace tarnwick::testing
