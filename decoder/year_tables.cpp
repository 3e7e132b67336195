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

constexpr std::array<YearTables, kAllModelYears.size()> kYears = {{
    {ModelYear::Y1964Half, y1964::kYearDigit, y1964::kBodies, y1964::kWarrantyOnlySerialOrder, y1964::kEngines,
     kAssemblyPlants, y1964::kPaints, y1964::kTrims, kInteriorTypesUntil1967, kTransmissionsUntil1966, y1964::kAxles,
     true},
    {ModelYear::Y1965, y1965::kYearDigit, y1965::kBodies, y1965::kWarrantyOnlySerialOrder, y1965::kEngines,
     kAssemblyPlants, y1965::kPaints, y1965::kTrims, kInteriorTypesUntil1967, kTransmissionsUntil1966, y1964::kAxles,
     true},
    {ModelYear::Y1966, y1966::kYearDigit, y1965::kBodies, y1965::kWarrantyOnlySerialOrder, y1966::kEngines,
     kAssemblyPlants, y1966::kPaints, y1966::kTrims, kInteriorTypesUntil1967, kTransmissionsUntil1966, y1966::kAxles,
     true},
    {ModelYear::Y1967, y1967::kYearDigit, y1967::kBodies, y1967::kWarrantyOnlySerialOrder, y1967::kEngines,
     kAssemblyPlants, y1967::kPaints, y1967::kTrims, kInteriorTypesUntil1967, y1967::kTransmissions, y1967::kAxles,
     true},
    {ModelYear::Y1968, y1968::kYearDigit, y1967::kBodies, y1967::kWarrantyOnlySerialOrder, y1968::kEngines,
     kAssemblyPlants, y1968::kPaints, y1968::kTrims, kInteriorTypes1968, y1968::kTransmissions, y1968::kAxles, true},
    {ModelYear::Y1969, y1969::kYearDigit, y1969::kBodies, y1969::kWarrantyOnlySerialOrder, y1969::kEngines,
     kAssemblyPlants, y1969::kPaints, y1969::kTrims, kInteriorTypes, kTransmissionsFrom1969, y1969::kAxles, true},
    {ModelYear::Y1970, y1970::kYearDigit, y1970::kBodies, y1970::kWarrantyOnlySerialOrder, y1970::kEngines,
     kAssemblyPlants, y1970::kPaints, y1970::kTrims, kInteriorTypes, kTransmissionsFrom1969, y1970::kAxles, false},
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
