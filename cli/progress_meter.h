// The progress line of a batch on a terminal: per cent of the input read
// and rows per second, drawn once the first piece is decoded, redrawn at
// most ten times a second and erased at the end.
#pragma once

#include <chrono>
#include <cstdint>

namespace tarnwick::cli {

class ProgressMeter {
public:
    // Draws nothing unless enabled (standard error is a terminal and the
    // input a regular file of total_bytes).
    ProgressMeter(bool enabled, std::uint64_t total_bytes);

    // Redraws when a tenth of a second has passed; meant to be called for
    // every piece of input, not every row.
    void Update(std::uint64_t rows, std::uint64_t bytes_read) {
        if (enabled_) Draw(rows, bytes_read);
    }

    void Erase();

private:
    static constexpr std::chrono::milliseconds kRedrawPeriod{100};

    void Draw(std::uint64_t rows, std::uint64_t bytes_read);

    bool enabled_;
    bool drawn_ = false;
    std::uint64_t total_bytes_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point last_draw_;
};

}  // namespace tarnwick::cli
