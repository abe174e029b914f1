#include "modules/MdlMain.h"

#include "engine/ConnectionText.h"
#include "engine/Error.h"
#include "modules/ReferenceTable.h"
#include "platform/MessageBox.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace {
// Kept in a function-local static so that it exists from first use to the end of the program;
// it holds only an SQLite handle, which is safe to close during static destruction.
std::optional<Connection>& connectionSlot()
{
    static std::optional<Connection> connection;
    return connection;
}

std::string& connectionText()
{
    static std::string text;
    return text;
}

constexpr std::string_view databaseFileName = "KOLVARIN.MDB";
constexpr std::string_view noDatabasePrompt =
    "Database Kolvarin.mdb Tidak Ada\r\nHubungi Administrator anda !";
constexpr std::string_view noDatabaseTitle = "Paht Tandera";

bool namesDatabaseFile(const std::string& path)
{
    return QString::fromStdString(path).toUpper().contains(
        QString::fromUtf8(databaseFileName.data(), qsizetype(databaseFileName.size())),
        Qt::CaseSensitive);
}

// An ordinary path goes in as typed; one that holds ";", a quote or an outer blank is quoted,
// so that the open acts on exactly that path and the path cannot add keys of its own.
void buildConnectionText(const std::string& path)
{
    connectionText() =
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + engine::quoteConnectionValue(path) +
        ";Jet OLEDB:Database Password=" + std::string(kDatabasePassword) + ";";
}

void openOnConnectionText()
{
    cnDatabase().Open(connectionText(), "", "", -1);
}

void showFailedOpen(const Error& error)
{
    MsgBox(std::to_string(error.number()) + "-" + error.description(), MessageBoxFlag::Critical);
}
} // namespace

Connection& cnDatabase()
{
    if (!connectionSlot())
        connectionSlot().emplace(reloadedTables());
    return *connectionSlot();
}

bool cnDatabaseExists()
{
    return connectionSlot().has_value();
}

const std::string& strConnection()
{
    return connectionText();
}

void OpenDatabase(const std::string& path, int mode)
{
    if (!namesDatabaseFile(path)) {
        MsgBox(std::string(noDatabasePrompt), MessageBoxFlag::Critical,
               std::string(noDatabaseTitle));
        // A connection still open from an earlier run must not carry the caller on to rewrite
        // a database the operator did not name this time.
        if (cnDatabaseExists() && cnDatabase().State() == Connection::adStateOpen) {
            try {
                cnDatabase().Close();
            } catch (const Error& error) {
                showFailedOpen(error);
            }
        }
        return;
    }

    cnDatabase().SetMode(mode);
    try {
        buildConnectionText(path);
        openOnConnectionText();
        return;
    } catch (const Error& error) {
        if (error.number() != ErrorNumber::ObjectOpen) {
            showFailedOpen(error);
            return;
        }
    }

    // Already open from an earlier run: switch it to this path. A failure here is reported
    // like a failed first open, and the connection is left closed.
    try {
        cnDatabase().Close();
        buildConnectionText(path);
        openOnConnectionText();
    } catch (const Error& error) {
        // Close leaves the connection closed even when it fails, and a failed Open never opens.
        showFailedOpen(error);
    }
}
