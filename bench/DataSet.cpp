#include "bench/DataSet.h"

#include "bench/DataGenerator.h"

#include <array>
#include <stdexcept>

namespace bench {
namespace {

// The generator of each table's data file and the most lines it can make.
struct Generator
{
    const ReferenceTable& table;
    std::int64_t maxLines;
    void (*write)(const std::string& path, std::int64_t lines);
};

const std::array<Generator, 2> kGenerators = {{
    {kTblKemasan, kMaxKemasanLines, writeKemasanFile},
    {kTblPelabuhan, kMaxPelabuhanLines, writePelabuhanFile},
}};

const Generator& generatorFor(std::int64_t size)
{
    for (const Generator& generator : kGenerators) {
        if (size <= generator.maxLines)
            return generator;
    }
    throw std::runtime_error("no data file holds " + std::to_string(size) + " lines");
}

} // namespace

const ReferenceTable& tableFor(std::int64_t size)
{
    return generatorFor(size).table;
}

void writeDataSet(const std::string& directory, std::int64_t size)
{
    const Generator& generator = generatorFor(size);
    generator.write(directory + "/" + std::string(generator.table.fileName), size);
}

} // namespace bench
