#include "bench/BenchOptions.h"

#include <charconv>
#include <stdexcept>
#include <string_view>

namespace bench {
namespace {

std::int64_t parseCount(std::string_view option, std::string_view text, std::int64_t least)
{
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < least)
        throw std::invalid_argument(std::string(option) + ": not a count: '" + std::string(text) +
                                    "'");
    return value;
}

std::vector<std::string_view> splitCommas(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const auto comma = text.find(',');
        parts.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            return parts;
        text.remove_prefix(comma + 1);
    }
}

BenchCase parseCase(std::string_view option, std::string_view text)
{
    const auto found = caseNamed(text);
    if (!found)
        throw std::invalid_argument(std::string(option) + ": no case named '" + std::string(text) +
                                    "'");
    return *found;
}

} // namespace

BenchOptions parseOptions(const std::vector<std::string>& arguments)
{
    BenchOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view option = arguments[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
            continue;
        }
        if (i + 1 == arguments.size())
            throw std::invalid_argument(std::string(option) + " needs a value");
        const std::string_view value = arguments[++i];
        if (option == "--sizes") {
            options.sizes.clear();
            for (const std::string_view part : splitCommas(value))
                options.sizes.push_back(parseCount(option, part, 1));
        } else if (option == "--rounds") {
            options.rounds = static_cast<int>(parseCount(option, value, 1));
        } else if (option == "--only") {
            options.cases.clear();
            for (const std::string_view part : splitCommas(value))
                options.cases.push_back(parseCase(option, part));
        } else if (option == "--measure") {
            options.measure = parseCase(option, value);
        } else if (option == "--directory") {
            options.directory = value;
        } else {
            throw std::invalid_argument("unknown option " + std::string(option));
        }
    }
    if (options.measure && (options.sizes.size() != 1 || options.directory.empty()))
        throw std::invalid_argument("--measure needs one size and --directory");
    return options;
}

int roundsFor(std::int64_t size)
{
    return size > 100000 ? 3 : 5;
}

std::string usage()
{
    return "usage: tandera-bench [--sizes N[,N...]] [--rounds N] [--only CASE[,CASE...]]\n"
           "  Reloads a table from generated data files of N lines (default 406,60000,600000),\n"
           "  each size and case in a process of its own, and prints the times and targets.\n"
           "  Sizes up to 1296 reload Tblkemasan, larger ones TblPelabuhan.\n"
           "  CASE: ours, ours-no-window, text-floor, bound-floor, bound-floor-full-sync, open,\n"
           "        quick-check (default all of these); open-padded, only when named: the open\n"
           "        of a database that also holds 500 MiB in another table, made once per run.\n"
           "  --rounds: rounds per case (default 5, or 3 above 100,000 lines).\n";
}

} // namespace bench
