// Drawing, redrawing and erasing the batch's progress line on a terminal,
// at most ten times a second.
#include "cli/progress_meter.h"

#include <unistd.h>

#include <cstdio>

namespace tarnwick::cli {

ProgressMeter::ProgressMeter(bool enabled, std::uint64_t total_bytes)
    : enabled_(enabled && total_bytes > 0),
      total_bytes_(total_bytes),
      start_(std::chrono::steady_clock::now()),
      last_draw_(start_ - kRedrawPeriod) {}

void ProgressMeter::Draw(std::uint64_t rows, std::uint64_t bytes_read) {
    const auto now = std::chrono::steady_clock::now();
    if (now - last_draw_ < kRedrawPeriod) return;
    last_draw_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const double per_cent = 100.0 * static_cast<double>(bytes_read) / static_cast<double>(total_bytes_);
    char line[96];
    // The rate once there is time enough to measure it.
    const int length = now - start_ < kRedrawPeriod
                           ? std::snprintf(line, sizeof line, "\rtarnwick-decode: %3.0f%% ", per_cent)
                           : std::snprintf(line, sizeof line, "\rtarnwick-decode: %3.0f%%  %.0f rows/s ", per_cent,
                                           static_cast<double>(rows) / seconds);
    if (length > 0 && ::write(STDERR_FILENO, line, static_cast<std::size_t>(length)) > 0) drawn_ = true;
}

void ProgressMeter::Erase() {
    if (!drawn_) return;
    drawn_ = false;
    constexpr char kEraseLine[] = "\r\033[K";
    if (::write(STDERR_FILENO, kEraseLine, sizeof kEraseLine - 1) < 0) return;  // nothing to do about it
}

}  // namespace tarnwick::cli
