#include "bench/DataSet.h"

#include "tests/support/Files.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// A size must reload the table whose file it was written as: a packaging file holds at most
// 36 * 36 two-character codes, so larger sizes are ports.
TEST(DataSet, EachSizeIsWrittenAsTheFileOfTheTableItReloads)
{
    struct Case
    {
        std::int64_t size;
        const char* table;
        const char* file;
    };
    for (const Case c : {Case{406, "Tblkemasan", "tblkemasan.dat"},
                         Case{1296, "Tblkemasan", "tblkemasan.dat"},
                         Case{1297, "TblPelabuhan", "tblpelabuhan.dat"},
                         Case{60000, "TblPelabuhan", "tblpelabuhan.dat"}}) {
        TempDir dir;
        bench::writeDataSet(dir.path(), c.size);
        EXPECT_EQ(c.table, bench::tableFor(c.size).tableName) << c.size;
        const std::string bytes = readFile(dir.file(c.file));
        EXPECT_EQ(c.size, std::count(bytes.begin(), bytes.end(), '\n')) << c.size;
    }
}

} // namespace
