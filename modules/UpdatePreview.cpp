#include "modules/UpdatePreview.h"

#include "modules/MdlMain.h"
#include "modules/MdlUtil.h"
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
    explicit CodeGroups(engine::Database::CodeOrder rows) : m_rows(std::move(rows))
    {
        m_more = m_rows.next();
    }

    bool atEnd() const { return !m_more; }
    std::string code() const { return m_rows.value(0).value_or(""); }

    // The descriptions of the rows of the current code, in the order they came.
    std::vector<std::string> take()
    {
        const std::string current = code();
        std::vector<std::string> descriptions;
        while (m_more && code() == current) {
            descriptions.push_back(m_rows.value(1).value_or(""));
            m_more = m_rows.next();
        }
        return descriptions;
    }

private:
    engine::Database::CodeOrder m_rows;
    bool m_more = false;
};

struct Tally
{
    std::int64_t added = 0;
    std::int64_t gone = 0;
    std::int64_t changed = 0;
    std::int64_t unchanged = 0;
};

void printDifference(const Print* print, std::initializer_list<std::string> fields)
{
    if (!print)
        return;
    std::string line;
    for (const std::string& field : fields)
        line += (&field == fields.begin() ? "" : "\t") + field;
    (*print)(line);
}

// The rows of one code now and after: equal descriptions pair off as unchanged, one left on
// each side is a change, and the rest are gone or new.
void compareCode(const std::string& code, std::vector<std::string> now, std::vector<std::string> next,
                 Tally& tally, const Print* print)
{
    for (auto it = now.begin(); it != now.end();) {
        const auto same = std::find(next.begin(), next.end(), *it);
        if (same == next.end()) {
            ++it;
            continue;
        }
        ++tally.unchanged;
        next.erase(same);
        it = now.erase(it);
    }
    if (now.size() == 1 && next.size() == 1) {
        ++tally.changed;
        printDifference(print, {"~", code, now.front(), next.front()});
        return;
    }
    for (const std::string& description : now) {
        ++tally.gone;
        printDifference(print, {"-", code, description});
    }
    for (const std::string& description : next) {
        ++tally.added;
        printDifference(print, {"+", code, description});
    }
}

// Walks the table and its copy in code order together; each difference goes to print, when given.
Tally compare(const ReferenceTable& table, const Print* print)
{
    engine::Database& database = cnDatabase().database();
    CodeGroups now(database.rowsInCodeOrder(table.tableName, false));
    CodeGroups next(database.rowsInCodeOrder(table.tableName, true));
    Tally tally;
    while (!now.atEnd() || !next.atEnd()) {
        const bool fromNow = !now.atEnd() && (next.atEnd() || now.code() <= next.code());
        const bool fromNext = !next.atEnd() && (now.atEnd() || next.code() <= now.code());
        const std::string code = fromNow ? now.code() : next.code();
        compareCode(code, fromNow ? now.take() : std::vector<std::string>(),
                    fromNext ? next.take() : std::vector<std::string>(), tally, print);
    }
    return tally;
}

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void previewTable(const ReferenceTable& table, const Print& print)
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
    const Tally tally = compare(table, nullptr);
    print(QCoreApplication::translate(
              "UpdatePreview",
              "%1: %2 rows now, %3 lines in %4: %5 new, %6 gone, %7 changed, %8 unchanged")
              .arg(qText(table.tableName))
              .arg(tally.gone + tally.changed + tally.unchanged)
              .arg(lines)
              .arg(qText(table.fileName))
              .arg(tally.added)
              .arg(tally.gone)
              .arg(tally.changed)
              .arg(tally.unchanged)
              .toStdString());
    compare(table, &print);
}

} // namespace

bool RunPreview(const std::string& path, const Print& print)
{
    OpenDatabase(path, Connection::adModeRead);
    if (cnDatabase().State() != Connection::adStateOpen)
        return false;
    bool wouldReload = true;
    for (const ReferenceTable* table : kReferenceTables) {
        try {
            previewTable(*table, print);
        } catch (const Error& error) {
            wouldReload = false;
            ReportUnhandledError(error.withDataNote(
                QCoreApplication::translate("UpdatePreview",
                                            "Nothing was written: this was a preview.")
                    .toStdString()));
        }
    }
    return wouldReload;
}
