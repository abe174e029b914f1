#include "bench/ReloadTable.h"

#include "bench/Windows1252.h"

#include <stdexcept>

namespace bench {
namespace {

constexpr ReloadTexts kKemasan = {
    "Tblkemasan",
    "tblkemasan.dat",
    "delete from Tblkemasan",
    "Alter Table Tblkemasan alter Column UREDI memo",
    "Insert Into tblkemasan values('",
    "Tblkemasan",
    "UREDI",
    R"(("KDKEMAS" VARCHAR(2) NOT NULL, "UREDI" LONGTEXT, PRIMARY KEY ("KDKEMAS")))",
};

constexpr ReloadTexts kPelabuhan = {
    "TblPelabuhan",
    "tblpelabuhan.dat",
    "delete from Tblpelabuhan",
    "Alter Table TblPelabuhan alter Column nmport memo",
    "Insert Into tblpelabuhan values('",
    "TblPelabuhan",
    "nmport",
    R"(("KDPORT" VARCHAR(5) NOT NULL, "nmport" LONGTEXT, PRIMARY KEY ("KDPORT")))",
};

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

const ReloadTexts& textsOf(ReloadTable table)
{
    return table == ReloadTable::Kemasan ? kKemasan : kPelabuhan;
}

Record splitLine(ReloadTable table, std::string_view line)
{
    const auto semicolon = line.find(';');
    if (table == ReloadTable::Kemasan && semicolon == std::string_view::npos)
        throw std::invalid_argument("a packaging line without ';'");
    const std::string_view rest =
        semicolon == std::string_view::npos ? line : line.substr(semicolon + 1);
    const std::string_view code =
        table == ReloadTable::Kemasan ? line.substr(0, semicolon) : line.substr(0, 5);
    return {std::string(code), std::string(trimSpaces(rest))};
}

std::string insertStatement(ReloadTable table, const Record& record)
{
    const std::string_view prefix = textsOf(table).insertPrefix;
    std::string sql;
    sql.reserve(prefix.size() + record.code.size() + 2 * record.description.size() + 8);
    sql += prefix;
    appendWindows1252AsUtf8(sql, record.code);
    sql += "','";
    std::string_view rest = record.description;
    for (auto quote = rest.find('\''); quote != std::string_view::npos; quote = rest.find('\'')) {
        appendWindows1252AsUtf8(sql, rest.substr(0, quote + 1));
        sql += '\'';
        rest.remove_prefix(quote + 1);
    }
    appendWindows1252AsUtf8(sql, rest);
    sql += "')";
    return sql;
}

} // namespace bench
