#include "tests/forms/frmSettingFixture.h"

#include "platform/ErrorReport.h"
#include "platform/Translations.h"
#include "tests/platform/ShownBox.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>

// Run once per locale: ctest sets LC_ALL and TANDERA_EXPECTED_LANGUAGE ("id", or empty for
// English). The texts the program is given stay the same in every locale; the texts it words
// itself follow the operator's language.
namespace {

bool indonesian()
{
    return qEnvironmentVariable("TANDERA_EXPECTED_LANGUAGE") == QLatin1String("id");
}

// Installed once per process, before the first window, as the program's start does it.
const std::string& chosenLanguage()
{
    static const std::string chosen = installTranslations(kCatalogueFolder);
    return chosen;
}

class LocaleTest : public frmSettingTest
{
protected:
    static void SetUpTestSuite() { chosenLanguage(); }
};

TEST_F(LocaleTest, TheLocaleExistsAndChoosesTheCatalogue)
{
    const QByteArray requested = qgetenv("LC_ALL");
    if (requested != "C") {
        EXPECT_STREQ(requested.constData(), std::setlocale(LC_ALL, nullptr))
            << "the locale is not installed on this machine: scripts/setup.sh --tests generates it";
    }
    EXPECT_EQ(indonesian() ? "id" : "", chosenLanguage());
}

TEST_F(LocaleTest, FixedTextsAreTheSameInEveryLocale)
{
    EXPECT_EQ(QStringLiteral("Patch"), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("Kolvarin.mdb yang diupdate"), control<QGroupBox>("Frame1").title());
    EXPECT_EQ(QStringLiteral("Lokasih file"), control<QLabel>("Label1").text());
    EXPECT_EQ(QStringLiteral("..."), button("Command1").text());
    EXPECT_EQ(QStringLiteral("Ok"), button("cmdOk").text());
    EXPECT_EQ(QStringLiteral("Tutup"), button("cmdCancel").text());
    EXPECT_EQ(QStringLiteral("Proses Update"), Loading::instance().window().windowTitle());
    EXPECT_EQ(QStringLiteral("Proses"), Loading::instance().label1().text());

    TempDir folder;
    const std::string database = makeDatabase(folder);
    writeDataFiles({"AA;Satu"}, {"IDAAA;Pelabuhan A"});
    pressOk(folder.file("Kolvarin2.mdb"));
    pressOk(folder.file("nowhere/Kolvarin.mdb"));
    pressOk(database);

    ASSERT_EQ(4u, boxes.calls().size());
    EXPECT_EQ(nameCheckFailed(), boxes.calls()[0]);
    // A failed open shows the number as plain signed digits, a hyphen, then the description.
    const MessageBoxCall& failedOpen = boxes.calls()[1];
    EXPECT_EQ(MessageBoxFlag::Critical, failedOpen.flags);
    EXPECT_EQ(std::nullopt, failedOpen.title);
    EXPECT_EQ(0u, failedOpen.prompt.rfind("-2147467259-", 0)) << failedOpen.prompt;
    EXPECT_GT(failedOpen.prompt.size(), std::string("-2147467259-").size());
    EXPECT_EQ(bothCompletions(),
              std::vector<MessageBoxCall>(boxes.calls().begin() + 2, boxes.calls().end()));
}

TEST_F(LocaleTest, ComposedTextsFollowTheOperatorsLanguage)
{
    QAccessibleInterface* browse = QAccessible::queryAccessibleInterface(&button("Command1"));
    ASSERT_NE(nullptr, browse);
    EXPECT_EQ(indonesian() ? QStringLiteral("Cari file database")
                           : QStringLiteral("Browse for the database file"),
              browse->text(QAccessible::Name));

    TempDir folder;
    const std::string database = makeDatabase(folder);
    writeDataFiles({"AA;Satu", "tanpa pemisah"}, {"IDAAA;Pelabuhan A"});
    pressOk(database);

    ASSERT_EQ(1u, reports.errors().size());
    const Error& error = reports.errors()[0];
    EXPECT_EQ(indonesian() ? "tblkemasan.dat, baris 2, tabel Tblkemasan, kode 'tanpa pemisah': "
                             "Baris ini tidak memuat \";\" sebagai akhir kode."
                           : "tblkemasan.dat, line 2, table Tblkemasan, code 'tanpa pemisah': "
                             "There is no \";\" in the line to end the code.",
              error.description());
    EXPECT_EQ(indonesian() ? "Tabel Tblkemasan dibiarkan persis seperti semula: tidak ada "
                             "barisnya yang berubah."
                           : "Table Tblkemasan was left exactly as it was: none of its rows "
                             "changed.",
              error.dataNote());
}

// Qt's own words (the buttons of its dialogs) come from Qt's catalogue where Debian ships one:
// German has one, Indonesian has none.
TEST_F(LocaleTest, QtsOwnWordsFollowTheLocaleWhereQtHasACatalogue)
{
    const bool german = qgetenv("LC_ALL").startsWith("de_");
    EXPECT_EQ(german ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"),
              QCoreApplication::translate("QPlatformTheme", "Cancel"));
}

TEST(LocaleDeathTest, TheReportsOwnWordsFollowTheOperatorsLanguage)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string expected =
        indonesian() ? "Terjadi kesalahan nomor '5':" : "Run-time error '5':";
    EXPECT_EXIT(
        {
            chosenLanguage();
            ShownBox shown;
            answerNextBox(&shown);
            QTimer::singleShot(0, qApp, [] { ReportUnhandledError(Error(5, "x")); });
            const int status = QCoreApplication::exec();
            std::fprintf(stderr, "[%s]\n", qPrintable(shown.text));
            std::exit(status);
        },
        testing::ExitedWithCode(1), "\\[" + expected + "\n\nx\\]");
}

} // namespace
