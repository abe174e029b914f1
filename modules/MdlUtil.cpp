#include "modules/MdlUtil.h"

#include "modules/ChangeLog.h"
#include "modules/DataRecord.h"
#include "modules/MdlMain.h"
#include "modules/QtText.h"
#include "modules/ReferenceTable.h"
#include "platform/DataFiles.h"
#include "platform/MessageBox.h"
#include "platform/ProgressWindow.h"
#include "platform/TextFileInput.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QString>

#include <string_view>

namespace {

// Room for a typical statement; longer lines grow the one buffer once.
constexpr std::size_t kStatementCapacity = 512;

// A code as the operator is shown it: whole, unless it is too long to read in a message.
constexpr qsizetype kShownCodeCharacters = 40;
QString shownCode(std::string_view code)
{
    const QString text = qText(code);
    if (text.size() <= kShownCodeCharacters)
        return text;
    return text.left(kShownCodeCharacters) + QStringLiteral("...");
}

// Sends every line of the data file as one insert each. A failure a line causes carries, in
// front of its description, the file, the line, the table and the line's code (the whole line
// when it has no ";" to end one).
void insertLines(const ReferenceTable& table, TextFileInput& input, ProgressWindow& window)
{
    const std::string step(table.step);
    std::string statement;
    statement.reserve(kStatementCapacity);
    while (!input.atEnd()) {
        const std::string& line = input.readLine();
        DataRecord record{line, {}};
        try {
            record = table.record(line);
            buildInsert(statement, table.insertPrefix, record);
            ExecuteSql(statement);
        } catch (const Error& error) {
            throw Error(error.number(), QCoreApplication::translate(
                                            "MdlUtil", "%1, line %2, table %3, code '%4': %5")
                                            .arg(qText(table.fileName))
                                            .arg(input.lineNumber())
                                            .arg(qText(table.tableName), shownCode(record.code),
                                                 QString::fromStdString(error.description()))
                                            .toStdString());
        }
        window.proses(step);
    }
}

// What a failed reload leaves: its own table as it was, or perhaps with its new rows (see
// TableDataNote); and those reloaded before it in the run with their new rows.
std::string dataNote(const ReferenceTable& table, bool mayHaveLanded)
{
    QString note = QString::fromStdString(TableDataNote(table, mayHaveLanded));
    for (const ReferenceTable* before : kReferenceTables) {
        if (before == &table)
            break;
        note += QLatin1Char(' ') +
                QCoreApplication::translate(
                    "MdlUtil", "Table %1 was reloaded before it and keeps its new rows.")
                    .arg(qText(before->tableName));
    }
    return note.toStdString();
}

} // namespace

std::string TableDataNote(const ReferenceTable& table, bool mayHaveLanded)
{
    return (mayHaveLanded
                ? QCoreApplication::translate(
                      "MdlUtil", "Table %1 may already hold its new rows: its commit failed too "
                                 "late to be undone.")
                : QCoreApplication::translate(
                      "MdlUtil", "Table %1 was left exactly as it was: none of its rows changed."))
        .arg(qText(table.tableName))
        .toStdString();
}

void RunInTransaction(const std::function<void()>& change,
                      const std::function<std::string(bool mayHaveLanded)>& note)
{
    Connection& connection = cnDatabase();
    bool committing = false;
    try {
        connection.BeginTrans();
        change();
        committing = true;
        connection.CommitTrans();
    } catch (...) {
        const bool mayHaveLanded = committing && connection.CommitMayHaveLanded();
        try {
            connection.RollbackTrans();
        } catch (const Error&) {
            // The first failure is the one the operator needs to see; the note says what became
            // of the changes.
        }
        try {
            throw;
        } catch (const Error& error) {
            throw error.withDataNote(note(mayHaveLanded));
        }
    }
}

std::int64_t SendDataFile(const ReferenceTable& table, TextFileInput& input)
{
    ExecuteSql(std::string(table.deleteStatement));
    ExecuteSql(std::string(table.alterStatement));
    ProgressWindow& window = progressWindow();
    window.setSource(&input);
    window.Show();
    const auto hide = qScopeGuard([&window] { window.Hide(); });
    insertLines(table, input, window);
    return input.lineNumber();
}

// A reload's transaction: BeginTrans -> file opened -> its rows kept -> delete, alter -> window
// shown -> one insert and one proses per line -> window hidden -> the change recorded ->
// CommitTrans -> completion message. Any failure, BeginTrans's included, hides the window if
// shown and ends in RollbackTrans, which takes the kept rows and the record with it; the message
// comes only after a commit.
void ReloadTable(const ReferenceTable& table)
{
    RunInTransaction(
        [&table] {
            // Opened before the delete so that a file that cannot be a data file (missing, a
            // FIFO, a folder, a device) is refused before anything is written.
            const std::string path = dataFilePath(table.fileName);
            TextFileInput input(path);
            const std::int64_t rowsBefore = cnDatabase().database().keepRows(table.tableName);
            SendDataFile(table, input);
            RecordChange(table, kUpdateChange, {path, input.fileSize(), input.sha256()},
                         rowsBefore);
        },
        [&table](bool mayHaveLanded) { return dataNote(table, mayHaveLanded); });
    MsgBox(std::string(table.message), MessageBoxFlag::OkOnly, std::string("Tandera"));
}

void ExecuteSql(const std::string& sql)
{
    cnDatabase().Execute(sql, nullptr, -1);
}

void UpdateTblKemasan()
{
    ReloadTable(kTblKemasan);
}

void UpdateTblPelabuhan()
{
    ReloadTable(kTblPelabuhan);
}
