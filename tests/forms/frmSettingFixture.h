#pragma once

#include "engine/Database.h"
#include "forms/Loading.h"
#include "forms/frmSetting.h"
#include "platform/ProgressWindow.h"
#include "tests/support/Seams.h"
#include "tests/support/SqliteRows.h"
#include "tests/support/TempDir.h"
#include "tools/DemoDatabase.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

// Let failed comparisons print texts and message boxes readably.
[[maybe_unused]] static void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

[[maybe_unused]] static void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '"' << texts.join(QStringLiteral("\", \"")).toStdString() << '"';
}

[[maybe_unused]] static void PrintTo(const MessageBoxCall& call, std::ostream* out)
{
    *out << "{\"" << call.prompt << "\", " << call.flags << ", "
         << (call.title ? "\"" + *call.title + "\"" : std::string("no title")) << "}";
}

// The settings dialog on its own, with the data files in a folder of the test's and every
// person-facing facility recorded instead of shown.
class frmSettingTest : public ::testing::Test
{
protected:
    frmSettingTest()
    {
        setProgressWindowProvider([]() -> ProgressWindow& { return Loading::instance(); });
    }

    template <typename Widget> Widget& control(const char* name)
    {
        auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr)
            throw std::runtime_error(std::string("no control named ") + name);
        return *widget;
    }

    QLineEdit& txtFolderZEMO() { return control<QLineEdit>("txtFolderZEMO"); }
    QPushButton& button(const char* name) { return control<QPushButton>(name); }

    void pressOk(const std::string& path)
    {
        txtFolderZEMO().setText(QString::fromStdString(path));
        button("cmdOk").click();
    }

    // Writes both data files beside the "program", each line ended by CR LF.
    void writeDataFiles(const std::vector<std::string>& kemasan,
                        const std::vector<std::string>& pelabuhan) const
    {
        writeLines(programDir.file("tblkemasan.dat"), kemasan);
        writeLines(programDir.file("tblpelabuhan.dat"), pelabuhan);
    }

    static void writeLines(const std::string& path, const std::vector<std::string>& lines)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines)
            out << line << "\r\n";
    }

    // A fresh demo database named Kolvarin.mdb in folder.
    static std::string makeDatabase(const TempDir& folder)
    {
        const std::string path = folder.file("Kolvarin.mdb");
        createDemoDatabase(path);
        return path;
    }

    // Every row of table as "code|description", in code order.
    static std::vector<std::string> rows(const std::string& databasePath, const std::string& table)
    {
        return sqliteLines(databasePath, "select * from " + table + " order by 1");
    }

    static long long rowCount(const std::string& databasePath, const std::string& table)
    {
        return std::stoll(sqliteLines(databasePath, "select count(*) from " + table).at(0));
    }

    static MessageBoxCall completion(const std::string& prompt)
    {
        return {prompt, MessageBoxFlag::OkOnly, std::string("Tandera")};
    }

    static MessageBoxCall nameCheckFailed()
    {
        return {"Database Kolvarin.mdb Tidak Ada\r\nHubungi Administrator anda !",
                MessageBoxFlag::Critical, std::string("Paht Tandera")};
    }

    static std::vector<MessageBoxCall> bothCompletions()
    {
        return {completion("TblKemasan telah di Update"),
                completion("TblPelabuhan telah di Update")};
    }

    TempDir programDir;
    ProgramDirectoryOverride directory{programDir.path()};
    ClosedDatabaseConnection closedConnection;
    RecordedBoxes boxes;
    RecordedErrorReports reports;
    ScriptedFileDialog fileDialog;
    frmSetting dialog;
};
