// Time of one decode, per year: a typical plate that decodes, the same plate
// failing at its last test (the unit number, after every table has been
// searched), and a worst case whose codes are all the last rows of their
// tables.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "decoder/year_decoder.h"
#include "tests/support/good_plates.h"

namespace {

using tarnwick::ModelYear;

struct Plate {
    std::string warranty, body, color, trim, date, dso, axle, trans;
    tarnwick::PlateFields Fields() const { return {warranty, body, color, trim, date, dso, axle, trans}; }
};

const std::array<Plate, 7> kTypicalPlates = [] {
    std::array<Plate, 7> plates;
    for (std::size_t i = 0; i < plates.size(); ++i) {
        const tarnwick::testing::Plate& good = tarnwick::testing::kGoodPlates[i];
        plates[i] = {good.warranty, good.body, good.color, good.trim, good.date, good.dso, good.axle, good.trans};
    }
    return plates;
}();

const std::array<Plate, 7> kLastRowPlates = {{
    {"5F07K100001", "65A", "8", "89", "31Z", "99", "I", "6"},
    {"5R09K200000", "63A", "8", "F9", "28K", "99", "I", "6"},
    {"6F07K100001", "65C", "*", "F9", "15K", "99", "L", "6"},
    {"7F02S100001", "63C", "*", "7V", "15K", "99", "E", "W"},
    {"8F03P100001", "76D", "6", "7V", "15K", "99", "H", "W"},
    {"9F03Z100001", "76E", "6", "9Y", "15K", "99", "W", "Y"},
    {"0F03Z100001", "76E", "6", "VF", "", "99", "X", "Y"},
}};

Plate FailingPlate(const Plate& valid) {
    Plate plate = valid;
    plate.warranty.back() = 'X';
    return plate;
}

template <const std::array<Plate, 7>& plates>
void BM_DecodeValid(benchmark::State& state) {
    const auto year = static_cast<ModelYear>(state.range(0));
    const Plate& plate = plates[static_cast<std::size_t>(state.range(0))];
    const tarnwick::PlateFields fields = plate.Fields();
    if (!tarnwick::DecodePlate(year, fields, false).ok()) state.SkipWithError("plate does not decode");
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarnwick::DecodePlate(year, fields, false));
    }
}

template <const std::array<Plate, 7>& plates>
void BM_DecodeFailing(benchmark::State& state) {
    const auto year = static_cast<ModelYear>(state.range(0));
    const Plate plate = FailingPlate(plates[static_cast<std::size_t>(state.range(0))]);
    const tarnwick::PlateFields fields = plate.Fields();
    if (tarnwick::DecodePlate(year, fields, false).ok()) state.SkipWithError("plate decodes");
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarnwick::DecodePlate(year, fields, false));
    }
}

// The failing decode with its message joined into one string, as reports
// and test output take it.
void BM_DecodeFailingWithMessage(benchmark::State& state) {
    const auto year = static_cast<ModelYear>(state.range(0));
    const Plate plate = FailingPlate(kTypicalPlates[static_cast<std::size_t>(state.range(0))]);
    const tarnwick::PlateFields fields = plate.Fields();
    for (auto _ : state) {
        const tarnwick::DecodeOutcome outcome = tarnwick::DecodePlate(year, fields, false);
        benchmark::DoNotOptimize(outcome.error()->Message());
    }
}

void AllYears(benchmark::internal::Benchmark* bench) { bench->ArgName("year")->DenseRange(0, 6); }

}  // namespace

BENCHMARK(BM_DecodeValid<kTypicalPlates>)->Name("BM_DecodeTypical")->Apply(AllYears);
BENCHMARK(BM_DecodeFailing<kTypicalPlates>)->Name("BM_DecodeTypicalFailing")->Apply(AllYears);
BENCHMARK(BM_DecodeValid<kLastRowPlates>)->Name("BM_DecodeLastRows")->Apply(AllYears);
BENCHMARK(BM_DecodeFailing<kLastRowPlates>)->Name("BM_DecodeLastRowsFailing")->Apply(AllYears);
BENCHMARK(BM_DecodeFailingWithMessage)->Apply(AllYears);

BENCHMARK_MAIN();
