#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

// What a child process measured for one (size, case): wall seconds per round, its peak
// resident memory, and what the table held afterwards, so that the cases can be seen to have
// done the same work.
struct Measurement
{
    std::vector<double> seconds;
    std::int64_t peakKiB = 0;
    std::int64_t rows = 0;
    std::int64_t characters = 0; // total length of the stored descriptions

    bool operator==(const Measurement&) const = default;
};

// The text a child writes on its standard output and the parent reads back. Parsing raises
// std::runtime_error on a line it does not know or a missing field.
std::string formatMeasurement(const Measurement& measurement);
Measurement parseMeasurement(std::string_view text);

} // namespace bench
