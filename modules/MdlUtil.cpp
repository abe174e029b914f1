#include "modules/MdlUtil.h"

#include "modules/DataRecord.h"
#include "modules/MdlMain.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDirectory.h"
#include "platform/ProgressWindow.h"
#include "platform/TextFileInput.h"

#include <string_view>

namespace {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// Everything in which the two reloads differ.
struct TableReload
{
    std::string_view deleteStatement;
    std::string_view alterStatement;
    std::string_view fileName;
    DataRecord (*record)(std::string_view line);
    std::string_view insertPrefix;
    const std::string& step;
    std::string_view message;
};

const std::string kKemasanStep = "0.6";
const std::string kPelabuhanStep = "0.00167";

const TableReload kKemasan = {
    "delete from Tblkemasan",
    "Alter Table Tblkemasan alter Column UREDI memo",
    "tblkemasan.dat",
    kemasanRecord,
    "Insert Into tblkemasan values('",
    kKemasanStep,
    "TblKemasan telah di Update",
};

const TableReload kPelabuhan = {
    "delete from Tblpelabuhan",
    "Alter Table TblPelabuhan alter Column nmport memo",
    "tblpelabuhan.dat",
    pelabuhanRecord,
    "Insert Into tblpelabuhan values('",
    kPelabuhanStep,
    "TblPelabuhan telah di Update",
};

// Room for a typical statement; longer lines grow the one buffer once.
constexpr std::size_t kStatementCapacity = 512;

// Sends every line of the data file as one insert each. A failure a line causes carries the
// file name and the line number in front of its description.
void insertLines(const TableReload& table, TextFileInput& input, ProgressWindow& window)
{
    std::string statement;
    statement.reserve(kStatementCapacity);
    while (!input.atEnd()) {
        const std::string& line = input.readLine();
        try {
            buildInsert(statement, table.insertPrefix, table.record(line));
            ExecuteSql(statement);
        } catch (const Error& error) {
            throw Error(error.number(), std::string(table.fileName) + ':' +
                                            std::to_string(input.lineNumber()) + ": " +
                                            error.description());
        }
        window.proses(table.step);
    }
}

// Replaces the table's rows with the data file's, all or nothing: on any failure the rows are
// rolled back, the progress window is hidden again and the error travels on unchanged.
void reload(const TableReload& table)
{
    Connection& connection = cnDatabase();
    connection.BeginTrans();
    ProgressWindow* shown = nullptr;
    try {
        // Opened before the delete so that a file that cannot be a data file (missing, a FIFO,
        // a folder, a device) is refused before anything is written.
        TextFileInput input(ProgramDirectory() + kPathSeparator + std::string(table.fileName));
        ExecuteSql(std::string(table.deleteStatement));
        ExecuteSql(std::string(table.alterStatement));
        shown = &progressWindow();
        shown->Show();
        insertLines(table, input, *shown);
        shown->Hide();
        shown = nullptr;
        connection.CommitTrans();
    } catch (...) {
        if (shown)
            shown->Hide();
        try {
            connection.RollbackTrans();
        } catch (const Error&) {
            // The first failure is the one the operator needs to see.
        }
        throw;
    }
    MsgBox(std::string(table.message), MessageBoxFlag::OkOnly, std::string("Tandera"));
}

} // namespace

void ExecuteSql(const std::string& sql)
{
    cnDatabase().Execute(sql, nullptr, -1);
}

void UpdateTblKemasan()
{
    reload(kKemasan);
}

void UpdateTblPelabuhan()
{
    reload(kPelabuhan);
}
