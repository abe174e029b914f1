#include "modules/UpdatePreview.h"

#include "modules/MdlMain.h"
#include "modules/MdlUtil.h"
#include "modules/QtText.h"
#include "modules/ReferenceTable.h"
#include "platform/DataFiles.h"
#include "platform/ErrorReport.h"
#include "platform/TextFileInput.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QString>

#include <algorithm>
#include <vector>

namespace {

using Print = std::function<void(const std::string&)>;

// One side of the comparison, the rows of one code at a time.
class CodeGroups
{
public:
    explicit CodeGroups(engine::CodeOrder rows) : m_rows(std::move(rows))
    {
        m_more = m_rows.next();
    }

    bool atEnd() const { return !m_more; }
    std::string_view code() const { return m_rows.code(); }

    // The descriptions of the rows of the current code, in the order they came; none unless
    // wanted. Valid until the next call.
    std::vector<std::string_view>& take(bool wanted)
    {
        m_taken.clear();
        if (!wanted)
            return m_taken;
        const std::string_view current = code();
        while (m_more && code() == current) {
            m_taken.push_back(m_rows.description());
            m_more = m_rows.next();
        }
        return m_taken;
    }

private:
    engine::CodeOrder m_rows;
    bool m_more = false;
    std::vector<std::string_view> m_taken;
};

// What the update would change, counted, and the lines that say it.
struct Differences
{
    std::int64_t added = 0;
    std::int64_t gone = 0;
    std::int64_t changed = 0;
    std::int64_t unchanged = 0;
    std::vector<std::string> lines;

    void add(std::initializer_list<std::string_view> fields)
    {
        std::string& line = lines.emplace_back();
        for (const std::string_view field : fields)
            (line += line.empty() ? "" : "\t") += field;
    }
};

// The rows of one code now and after: equal descriptions pair off as unchanged, one left on
// each side is a change, and the rest are gone or new.
void compareCode(std::string_view code, std::vector<std::string_view>& now,
                 std::vector<std::string_view>& next, Differences& differences)
{
    for (auto it = now.begin(); it != now.end();) {
        const auto same = std::find(next.begin(), next.end(), *it);
        if (same == next.end()) {
            ++it;
            continue;
        }
        ++differences.unchanged;
        next.erase(same);
        it = now.erase(it);
    }
    if (now.size() == 1 && next.size() == 1) {
        ++differences.changed;
        differences.add({"~", code, now.front(), next.front()});
        return;
    }
    for (const std::string_view description : now) {
        ++differences.gone;
        differences.add({"-", code, description});
    }
    for (const std::string_view description : next) {
        ++differences.added;
        differences.add({"+", code, description});
    }
}

// The table and its copy, walked in code order together.
Differences compare(const ReferenceTable& table)
{
    engine::Database& database = cnDatabase().database();
    CodeGroups now(database.rowsInCodeOrder(table.tableName, false));
    CodeGroups next(database.rowsInCodeOrder(table.tableName, true));
    Differences differences;
    while (!now.atEnd() || !next.atEnd()) {
        const bool fromNow = !now.atEnd() && (next.atEnd() || now.code() <= next.code());
        const bool fromNext = !next.atEnd() && (now.atEnd() || next.code() <= now.code());
        // Views into the rows' own bytes, which stay where they are.
        const std::string_view code = fromNow ? now.code() : next.code();
        compareCode(code, now.take(fromNow), next.take(fromNext), differences);
    }
    return differences;
}

} // namespace

void PreviewTable(const ReferenceTable& table, const Print& print)
{
    Connection& connection = cnDatabase();
    connection.BeginTrans();
    // The copy's rows go with the transaction; nothing else was written.
    const auto rollback = qScopeGuard([&connection] {
        try {
            connection.RollbackTrans();
        } catch (const Error&) {
        }
    });
    TextFileInput input(dataFilePath(table.fileName));
    const std::int64_t lines = SendDataFile(table, input);
    const Differences differences = compare(table);
    print(QCoreApplication::translate(
              "UpdatePreview",
              "%1: %2 rows now, %3 lines in %4: %5 new, %6 gone, %7 changed, %8 unchanged")
              .arg(qText(table.tableName))
              .arg(differences.gone + differences.changed + differences.unchanged)
              .arg(lines)
              .arg(qText(table.fileName))
              .arg(differences.added)
              .arg(differences.gone)
              .arg(differences.changed)
              .arg(differences.unchanged)
              .toStdString());
    for (const std::string& line : differences.lines)
        print(line);
}

bool RunPreview(const std::string& path, const Print& print)
{
    OpenDatabase(path, Connection::adModeRead);
    if (cnDatabase().State() != Connection::adStateOpen)
        return false;
    bool wouldReload = true;
    for (const ReferenceTable* table : kReferenceTables) {
        try {
            PreviewTable(*table, print);
        } catch (const Error& error) {
            wouldReload = false;
            ReportUnhandledError(
                error.withDataNote(QCoreApplication::translate(
                                       "UpdatePreview", "Nothing was written: this was a preview.")
                                       .toStdString()));
        }
    }
    return wouldReload;
}
