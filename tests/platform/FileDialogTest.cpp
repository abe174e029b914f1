#include "platform/FileDialog.h"

#include "platform/FileDialogFilter.h"
#include "tests/support/Files.h"
#include "tests/support/Seams.h"
#include "tests/support/TempDir.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QListView>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(FileDialogFilter, ClassicPairsBecomeQtFilters)
{
    const struct
    {
        std::string classic;
        std::string qt;
    } cases[] = {
        {"Backup File|*.mdb", "Backup File (*.mdb)"},
        {"Backup File|*.mdb|All Files|*.*", "Backup File (*.mdb);;All Files (*.*)"},
        {"Databases|*.mdb;*.accdb", "Databases (*.mdb *.accdb)"},
        {"Anything", "Anything"},
        {"", ""},
    };
    for (const auto& testCase : cases)
        EXPECT_EQ(testCase.qt, qtFileDialogFilter(testCase.classic)) << testCase.classic;
}

TEST(FileDialogSeam, AnswersQueuedNamesThenCancelsAndRecordsFilters)
{
    ScriptedFileDialog dialog;
    dialog.setNextFileName("/data/Kolvarin.mdb");
    EXPECT_EQ("/data/Kolvarin.mdb", ShowOpen("Backup File|*.mdb"));
    EXPECT_EQ("", ShowOpen("Backup File|*.mdb"));
    const std::vector<std::string> expected = {"Backup File|*.mdb", "Backup File|*.mdb"};
    EXPECT_EQ(expected, dialog.filters());
}

// The names the dialog's file list shows, sorted.
QStringList listedNames(const QFileDialog& dialog)
{
    QStringList names;
    const auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (list == nullptr || list->model() == nullptr)
        return names;
    const QAbstractItemModel& model = *list->model();
    const QModelIndex root = list->rootIndex();
    for (int row = 0; row < model.rowCount(root); ++row)
        names << model.index(row, 0, root).data().toString();
    names.sort();
    return names;
}

// The operator's view of "..." : Qt's own dialog (offscreen has no native one), given the filter
// the program passes. A filter handed over unconverted would list no database at all.
TEST(FileDialog, RealDialogListsDatabasesAndHidesOtherFiles)
{
    const TempDir folder;
    writeFile(folder.file("Kolvarin.mdb"), "");
    writeFile(folder.file("notes.txt"), "");
    const QString folderPath = QString::fromStdString(folder.path());

    QStringList listed;
    QString filterShown;
    // The dialog runs its own event loop; a timer looks at it from inside until the folder has
    // been read, then cancels it.
    const QDeadlineTimer deadline(10'000);
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        if (dialog->directory().absolutePath() != QDir(folderPath).absolutePath())
            dialog->setDirectory(folderPath);
        listed = listedNames(*dialog);
        if (!listed.contains(QStringLiteral("Kolvarin.mdb")) && !deadline.hasExpired())
            return;
        filterShown = dialog->selectedNameFilter();
        poll.stop();
        dialog->reject();
    });
    poll.start();

    const std::string chosen = ShowOpen("Backup File|*.mdb");

    EXPECT_EQ(listed, QStringList{QStringLiteral("Kolvarin.mdb")});
    EXPECT_EQ(filterShown, QStringLiteral("Backup File (*.mdb)"));
    EXPECT_EQ(chosen, "");
}

} // namespace
