#include "modules/UndoRun.h"

#include "engine/DatabaseFormat.h"
#include "engine/Error.h"
#include "modules/ChangeLog.h"
#include "modules/MdlMain.h"
#include "modules/MdlUtil.h"
#include "modules/QtText.h"
#include "modules/ReferenceTable.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace {

const std::string kTitle = "Tandera";

// text in the user's language, %1 filled with first and %2 on with values.
std::string worded(const char* text, std::string_view first, const QStringList& values = {})
{
    QString filled = QCoreApplication::translate("UndoRun", text).arg(qText(first));
    for (const QString& value : values)
        filled = filled.arg(value);
    return filled.toStdString();
}

// The change an undo of table would undo, when it has one to undo.
std::optional<engine::Change> lastChange(const ReferenceTable& table)
{
    engine::Database& database = cnDatabase().database();
    const std::vector<engine::Change> changes = database.changes(table.tableName);
    if (changes.empty() || database.keptRows(table.tableName).lastPart == 0)
        return std::nullopt;
    return changes.front();
}

} // namespace

bool UndoTable(const ReferenceTable& table)
{
    std::string refusal;
    std::optional<engine::Change> undone;
    try {
        RunInTransaction(
            [&] {
                engine::Database& database = cnDatabase().database();
                const std::optional<engine::Change> last = lastChange(table);
                if (!last) {
                    refusal =
                        worded(QT_TRANSLATE_NOOP("UndoRun", "Table %1 was left as it is: no "
                                                            "earlier rows are kept to put back."),
                               table.tableName);
                    return;
                }
                if (database.fingerprint(table.tableName).text != last->fingerprint) {
                    refusal = worded(
                        QT_TRANSLATE_NOOP(
                            "UndoRun", "Table %1 was left as it is: it no longer holds what its "
                                       "change of %2 left, and undoing that change would lose what "
                                       "was changed since."),
                        table.tableName, {qText(last->time)});
                    return;
                }
                // What the change replaced, which its record counted.
                const engine::RestoredRows restored =
                    database.restoreKeptRows(table.tableName, last->rowsBefore);
                RecordChange(table, kUndoChange,
                             {engine::format::KeptRowsTable, restored.bytes, restored.sha256},
                             last->rowsAfter);
                undone = last;
            },
            [&table](bool mayHaveLanded) { return TableDataNote(table, mayHaveLanded); });
    } catch (const Error& error) {
        MsgBox(std::to_string(error.number()) + "-" + error.description() + "\r\n" +
                   error.dataNote(),
               MessageBoxFlag::Critical, kTitle);
        return false;
    }
    if (!undone) {
        MsgBox(refusal, MessageBoxFlag::Critical, kTitle);
        return false;
    }
    MsgBox(
        worded(QT_TRANSLATE_NOOP("UndoRun", "Table %1 is back as it was before its change of %2: "
                                            "%3 rows, where it held %4."),
               table.tableName,
               {qText(undone->time), QString::number(undone->rowsBefore),
                QString::number(undone->rowsAfter)}),
        MessageBoxFlag::OkOnly, kTitle);
    return true;
}

namespace {

bool undoTables()
{
    bool restored = true;
    for (const ReferenceTable* table : kReferenceTables)
        restored = UndoTable(*table) && restored;
    return restored;
}

} // namespace

bool RunUndo(const std::string& path)
{
    OpenDatabase(path);
    return cnDatabase().State() == Connection::adStateOpen && undoTables();
}

bool RunUndoWithDialogs()
{
    const std::string path = ShowOpen(std::string(kDatabaseFileFilter));
    if (path.empty())
        return false;
    OpenDatabase(path);
    if (cnDatabase().State() != Connection::adStateOpen)
        return false;
    std::string question = worded(QT_TRANSLATE_NOOP("UndoRun", "Undo the last change of each table "
                                                               "of %1?"),
                                  path);
    for (const ReferenceTable* table : kReferenceTables) {
        const std::optional<engine::Change> last = lastChange(*table);
        question += "\r\n" + (last ? worded(QT_TRANSLATE_NOOP("UndoRun", "%1: its change of %2, "
                                                                         "from %3 rows to %4"),
                                            table->tableName,
                                            {qText(last->time), QString::number(last->rowsBefore),
                                             QString::number(last->rowsAfter)})
                                   : worded(QT_TRANSLATE_NOOP("UndoRun", "%1: nothing to undo"),
                                            table->tableName));
    }
    if (MsgBox(question, MessageBoxFlag::YesNo | MessageBoxFlag::Question, kTitle) !=
        MessageBoxResult::Yes)
        return false;
    return undoTables();
}
