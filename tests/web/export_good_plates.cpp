// Writes the good plate of every year and its twelve results, from
// tests/support/good_plates.h, as JSON for the browser tests:
//   [{"year": 0, "plate": {"warranty": "5F07K100001", …}, "results": ["1964-1/2", …]}, …]
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/plate_verdict.h"
#include "tests/support/good_plates.h"

int main(int argc, char** argv) {
    using namespace tarnwick;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    nlohmann::json plates = nlohmann::json::array();
    for (ModelYear year : kAllModelYears) {
        const auto index = static_cast<std::size_t>(year);
        nlohmann::json fields = nlohmann::json::object();
        for (Field field : kAllFields)
            fields[std::string(cli::FieldName(field))] = testing::kGoodPlates[index].Text(field);
        plates.push_back({{"year", index}, {"plate", fields}, {"results", testing::kGoodPlateResults[index]}});
    }
    std::ofstream out(argv[1]);
    out << plates.dump(1) << '\n';
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
