// Ties each year's tables together. The rows themselves live in tables/.
#include "decoder/year_tables.h"

#include <array>
#include <cstddef>

#include "decoder/tables/shared_tables.h"
#include "decoder/tables/year_1964.h"
#include "decoder/tables/year_1965.h"
#include "decoder/tables/year_1966.h"
#include "decoder/tables/year_1967.h"
#include "decoder/tables/year_1968.h"
#include "decoder/tables/year_1969.h"
#include "decoder/tables/year_1970.h"

namespace tarnwick {
namespace {

using namespace tables;

// Where a year borrows another year's table (1966 the bodies of 1965), the
// borrowed name shows it.
constexpr std::array<YearTables, kAllModelYears.size()> kYears = {{
    {
        .year = ModelYear::Y1964Half,
        .year_digit = y1964::kYearDigit,
        .bodies = y1964::kBodies,
        .engines = y1964::kEngines,
        .plants = kAssemblyPlants,
        .paints = y1964::kPaints,
        .trims = y1964::kTrims,
        .interior_types = kInteriorTypesUntil1967,
        .transmissions = kTransmissionsUntil1966,
        .axles = y1964::kAxles,
        .decodes_date = true,
    },
    {
        .year = ModelYear::Y1965,
        .year_digit = y1965::kYearDigit,
        .bodies = y1965::kBodies,
        .engines = y1965::kEngines,
        .plants = kAssemblyPlants,
        .paints = y1965::kPaints,
        .trims = y1965::kTrims,
        .interior_types = kInteriorTypesUntil1967,
        .transmissions = kTransmissionsUntil1966,
        .axles = y1964::kAxles,
        .decodes_date = true,
    },
    {
        .year = ModelYear::Y1966,
        .year_digit = y1966::kYearDigit,
        .bodies = y1965::kBodies,
        .engines = y1966::kEngines,
        .plants = kAssemblyPlants,
        .paints = y1966::kPaints,
        .trims = y1966::kTrims,
        .interior_types = kInteriorTypesUntil1967,
        .transmissions = kTransmissionsUntil1966,
        .axles = y1966::kAxles,
        .decodes_date = true,
    },
    {
        .year = ModelYear::Y1967,
        .year_digit = y1967::kYearDigit,
        .bodies = y1967::kBodies,
        .engines = y1967::kEngines,
        .plants = kAssemblyPlants,
        .paints = y1967::kPaints,
        .trims = y1967::kTrims,
        .interior_types = kInteriorTypesUntil1967,
        .transmissions = y1967::kTransmissions,
        .axles = y1967::kAxles,
        .decodes_date = true,
    },
    {
        .year = ModelYear::Y1968,
        .year_digit = y1968::kYearDigit,
        .bodies = y1967::kBodies,
        .engines = y1968::kEngines,
        .plants = kAssemblyPlants,
        .paints = y1968::kPaints,
        .trims = y1968::kTrims,
        .interior_types = kInteriorTypes1968,
        .transmissions = y1968::kTransmissions,
        .axles = y1968::kAxles,
        .decodes_date = true,
    },
    {
        .year = ModelYear::Y1969,
        .year_digit = y1969::kYearDigit,
        .bodies = y1969::kBodies,
        .engines = y1969::kEngines,
        .plants = kAssemblyPlants,
        .paints = y1969::kPaints,
        .trims = y1969::kTrims,
        .interior_types = kInteriorTypes,
        .transmissions = kTransmissionsFrom1969,
        .axles = y1969::kAxles,
        .decodes_date = true,
    },
    {
        .year = ModelYear::Y1970,
        .year_digit = y1970::kYearDigit,
        .bodies = y1970::kBodies,
        .engines = y1970::kEngines,
        .plants = kAssemblyPlants,
        .paints = y1970::kPaints,
        .trims = y1970::kTrims,
        .interior_types = kInteriorTypes,
        .transmissions = kTransmissionsFrom1969,
        .axles = y1970::kAxles,
        .decodes_date = false,
    },
}};

constexpr bool YearsInOrder() {
    for (std::size_t i = 0; i < kYears.size(); ++i) {
        if (kYears[i].year != kAllModelYears[i]) return false;
    }
    return true;
}
static_assert(YearsInOrder());

}  // namespace

const YearTables& TablesFor(ModelYear year) { return kYears[static_cast<std::size_t>(year)]; }

CodeTable DsoTable() { return kDsoTable; }
CodeTable MonthLetterTable() { return kMonthLetterTable; }

}  // namespace tarnwick
