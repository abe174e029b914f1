#include "bench/Measurement.h"

#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace bench {

std::string formatMeasurement(const Measurement& measurement)
{
    std::ostringstream out;
    out << std::setprecision(17);
    for (const double seconds : measurement.seconds)
        out << "seconds " << seconds << '\n';
    out << "peak-kib " << measurement.peakKiB << '\n';
    out << "rows " << measurement.rows << '\n';
    out << "characters " << measurement.characters << '\n';
    return out.str();
}

Measurement parseMeasurement(std::string_view text)
{
    Measurement measurement;
    bool sawPeak = false;
    bool sawRows = false;
    std::istringstream in{std::string(text)};
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string key;
        fields >> key;
        bool read = false;
        if (key == "seconds") {
            double seconds = 0;
            read = static_cast<bool>(fields >> seconds);
            measurement.seconds.push_back(seconds);
        } else if (key == "peak-kib") {
            read = sawPeak = static_cast<bool>(fields >> measurement.peakKiB);
        } else if (key == "rows") {
            read = sawRows = static_cast<bool>(fields >> measurement.rows);
        } else if (key == "characters") {
            read = static_cast<bool>(fields >> measurement.characters);
        }
        if (!read)
            throw std::runtime_error("unexpected measurement line: '" + line + "'");
    }
    if (measurement.seconds.empty() || !sawPeak || !sawRows)
        throw std::runtime_error("incomplete measurement: '" + std::string(text) + "'");
    return measurement;
}

} // namespace bench
