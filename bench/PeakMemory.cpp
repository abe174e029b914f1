#include "bench/PeakMemory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace bench {

std::int64_t peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            std::int64_t kib = 0;
            fields >> kib;
            return kib;
        }
    }
    return 0;
}

} // namespace bench
