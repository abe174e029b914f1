#include "bench/BenchRun.h"

#include "bench/ChildProcess.h"
#include "bench/DataSet.h"
#include "bench/PaddedDatabase.h"
#include "bench/Statistics.h"

#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace bench {
namespace {

void checkSameWork(std::int64_t size, const std::vector<CaseResult>& results)
{
    const CaseResult* first = nullptr;
    for (const CaseResult& result : results) {
        if (result.size != size)
            continue;
        if (result.measurement.rows != size)
            throw std::runtime_error(std::string(nameOf(result.benchCase)) + " left " +
                                     std::to_string(result.measurement.rows) + " rows of " +
                                     std::to_string(size));
        if (!first) {
            first = &result;
        } else if (result.measurement.characters != first->measurement.characters) {
            throw std::runtime_error(std::string(nameOf(result.benchCase)) + " stored " +
                                     std::to_string(result.measurement.characters) +
                                     " description characters, " +
                                     std::string(nameOf(first->benchCase)) + " " +
                                     std::to_string(first->measurement.characters));
        }
    }
}

} // namespace

std::vector<CaseResult> runBench(const BenchOptions& options)
{
    const QTemporaryDir work;
    if (!work.isValid())
        throw std::runtime_error("cannot make a temporary folder");

    const std::string workDirectory = work.path().toStdString();
    const bool padded =
        std::ranges::find(options.cases, BenchCase::OpenPadded) != options.cases.end();
    if (padded) {
        const std::string path = paddedDatabasePath(workDirectory);
        makePaddedDatabase(path);
        std::cerr << "tandera-bench: padded database of "
                  << std::filesystem::file_size(path) / (1024 * 1024) << " MiB\n";
    }

    std::vector<CaseResult> results;
    for (const std::int64_t size : options.sizes) {
        const std::filesystem::path directory =
            std::filesystem::path(workDirectory) / std::to_string(size);
        std::filesystem::create_directories(directory);
        writeDataSet(directory.string(), size);

        // Rounds go case by case in turn, each in a fresh process, so that a stretch of slow
        // machine falls on every case alike instead of on whichever case it happened to meet.
        const int rounds = options.rounds.value_or(roundsFor(size));
        const std::size_t first = results.size();
        for (const BenchCase benchCase : options.cases)
            results.push_back(CaseResult{size, benchCase, {}});
        for (int round = 0; round < rounds; ++round) {
            for (std::size_t index = first; index < results.size(); ++index) {
                CaseResult& result = results[index];
                const std::string output = runSelf(
                    {"--measure", std::string(nameOf(result.benchCase)), "--sizes",
                     std::to_string(size), "--rounds", "1", "--directory", directory.string()});
                const Measurement measured = parseMeasurement(output);
                Measurement& total = result.measurement;
                total.seconds.insert(total.seconds.end(), measured.seconds.begin(),
                                     measured.seconds.end());
                total.peakKiB = std::max(total.peakKiB, measured.peakKiB);
                total.rows = measured.rows;
                total.characters = measured.characters;
            }
        }
        for (std::size_t index = first; index < results.size(); ++index)
            std::cerr << "tandera-bench: " << size << " lines, " << nameOf(results[index].benchCase)
                      << ": " << summarize(results[index].measurement.seconds).median << " s\n";
        checkSameWork(size, results);
        std::filesystem::remove_all(directory);
    }
    if (padded)
        std::filesystem::remove_all(
            std::filesystem::path(paddedDatabasePath(workDirectory)).parent_path());
    return results;
}

} // namespace bench
