#pragma once

#include <string>
#include <vector>

namespace bench {

// Runs this same program again with arguments and returns what it wrote to standard output
// (its standard error passes through). A fresh process per measurement keeps one measurement's
// memory out of the next one's peak. Raises std::runtime_error when it cannot start or does not
// exit with status 0.
std::string runSelf(const std::vector<std::string>& arguments);

} // namespace bench
