#pragma once

#include <vector>

namespace bench {

// The middle of the rounds and their spread. The median of an even count is the mean of the
// two middle values; an empty list gives zeros.
struct Summary
{
    double median = 0;
    double min = 0;
    double max = 0;
};
Summary summarize(std::vector<double> values);

} // namespace bench
