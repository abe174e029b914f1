#include "bench/DataSet.h"

#include "bench/DataGenerator.h"

namespace bench {

ReloadTable tableFor(std::int64_t size)
{
    return size <= kMaxKemasanLines ? ReloadTable::Kemasan : ReloadTable::Pelabuhan;
}

void writeDataSet(const std::string& directory, std::int64_t size)
{
    const ReloadTable table = tableFor(size);
    const std::string path = directory + "/" + std::string(textsOf(table).dataFile);
    if (table == ReloadTable::Kemasan)
        writeKemasanFile(path, size);
    else
        writePelabuhanFile(path, size);
}

} // namespace bench
