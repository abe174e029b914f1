#include "bench/BenchOptions.h"
#include "bench/BenchRun.h"
#include "bench/MeasureCase.h"
#include "bench/Report.h"

#include "engine/Error.h"

#include <QApplication>

#include <exception>
#include <iostream>
#include <optional>

namespace {

// A child: measures one case at one size and writes the raw numbers for the parent.
int measure(const bench::BenchOptions& options, int& argc, char** argv)
{
    const bench::BenchCase benchCase = *options.measure;
    std::optional<QApplication> application;
    if (bench::runsTheProgram(benchCase)) {
        // The progress window is a real window; without a display it paints offscreen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application.emplace(argc, argv);
    }
    const std::int64_t size = options.sizes.front();
    const bench::Measurement measurement = bench::measureCase(
        benchCase, size, options.rounds.value_or(bench::roundsFor(size)), options.directory);
    std::cout << bench::formatMeasurement(measurement) << std::flush;
    return 0;
}

} // namespace

// tandera-bench: times the table reloads next to their floors; --help tells how.
int main(int argc, char** argv)
{
    try {
        const bench::BenchOptions options =
            bench::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) {
            std::cout << bench::usage();
            return 0;
        }
        if (options.measure)
            return measure(options, argc, argv);
        std::cout << bench::formatReport(bench::runBench(options));
        return 0;
    } catch (const std::invalid_argument& error) {
        std::cerr << "tandera-bench: " << error.what() << '\n' << bench::usage();
        return 2;
    } catch (const Error& error) {
        std::cerr << "tandera-bench: error " << error.number() << ": " << error.description()
                  << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "tandera-bench: " << error.what() << '\n';
        return 1;
    }
}
