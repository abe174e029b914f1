#include "tests/forms/frmSettingFixture.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Runs the application's event loop until something ends it, with start queued to run in it;
// returns the loop's exit code. A guard ends a loop nothing else ends, so a fault fails the
// case instead of hanging it.
template <typename Start> int execWith(QObject& context, Start&& start)
{
    constexpr int kNothingEndedIt = 99;
    QTimer::singleShot(0, &context, std::forward<Start>(start));
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &context,
                     [] { QCoreApplication::exit(kNothingEndedIt); });
    guard.start(30000);
    return QApplication::exec();
}

// The program's progress window, with an operator who presses Enter in the path box while the
// table reloads: the key waits in the queue until something processes events.
class EnterDuringReload final : public ProgressWindow
{
public:
    explicit EnterDuringReload(QWidget& pathBox) : m_pathBox(pathBox) {}

    void Show() override { Loading::instance().Show(); }
    void proses(const std::string& Pars) override { Loading::instance().proses(Pars); }
    void Hide() override
    {
        QCoreApplication::postEvent(
            &m_pathBox,
            new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")));
        Loading::instance().Hide();
    }

private:
    QWidget& m_pathBox;
};

} // namespace

TEST_F(frmSettingTest, BrowsePutsTheChosenFileIntoThePathBox)
{
    struct Case
    {
        const char* answer;
        const char* expectedText;
    };
    const Case cases[] = {
        {"/data/tandera/Kolvarin.mdb", "/data/tandera/Kolvarin.mdb"},
        {"", "/lama/Kolvarin.mdb"}, // a cancelled dialog leaves the text as it was
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        txtFolderZEMO().setText(QStringLiteral("/lama/Kolvarin.mdb"));
        fileDialog.setNextFileName(c.answer);
        button("Command1").click();
        EXPECT_EQ(QString::fromUtf8(c.expectedText), txtFolderZEMO().text());
    }
    EXPECT_EQ((std::vector<std::string>{"Backup File|*.mdb", "Backup File|*.mdb"}),
              fileDialog.filters());
    EXPECT_TRUE(boxes.calls().empty());
}

TEST_F(frmSettingTest, EnterInThePathBoxRunsTheUpdate)
{
    TempDir folder;
    const std::string database = makeDatabase(folder);
    writeDataFiles({"AA;Satu"}, {"IDAAA;Pelabuhan A"});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy ok(&button("cmdOk"), &QPushButton::clicked);

    txtFolderZEMO().setText(QString::fromStdString(database));
    QTest::keyClick(&txtFolderZEMO(), Qt::Key_Return);

    EXPECT_EQ(1, ok.count());
    EXPECT_EQ(bothCompletions(), boxes.calls());
    EXPECT_EQ(std::vector<std::string>{"AA|Satu"}, rows(database, "Tblkemasan"));
}

TEST_F(frmSettingTest, EscapePressesTutupWhichEndsTheProgramWithStatusZero)
{
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy tutup(&button("cmdCancel"), &QPushButton::clicked);

    const int status =
        execWith(dialog, [this] { QTest::keyClick(&txtFolderZEMO(), Qt::Key_Escape); });

    EXPECT_EQ(0, status);
    EXPECT_EQ(1, tutup.count());
}

TEST_F(frmSettingTest, TheCloseBoxEndsTheProgramLikeTutup)
{
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy tutup(&button("cmdCancel"), &QPushButton::clicked);

    const int status = execWith(dialog, [this] { dialog.close(); });

    EXPECT_EQ(0, status);
    EXPECT_EQ(1, tutup.count());
}

// Only the run's own message box may take the operator's input while the run lasts: typing into
// the dialog or closing it there would change or end what the run works on.
TEST_F(frmSettingTest, DuringARunOnlyItsMessageBoxTakesInput)
{
    TempDir folder;
    const std::string database = makeDatabase(folder);
    writeDataFiles({"AA;Satu"}, {"IDAAA;Pelabuhan A"});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy tutup(&button("cmdCancel"), &QPushButton::clicked);

    std::vector<MessageBoxCall> shown;
    int answered = 0;
    setMessageBoxHandler([&](const MessageBoxCall& call) {
        shown.push_back(call);
        QTest::keyClicks(&txtFolderZEMO(), QStringLiteral("x"));
        QTest::keyClick(&txtFolderZEMO(), Qt::Key_Escape);
        dialog.close();
        QDialog box;
        box.setWindowModality(Qt::ApplicationModal);
        auto* ok = new QPushButton(QStringLiteral("OK"), &box);
        QObject::connect(ok, &QPushButton::clicked, &box, [&answered] { ++answered; });
        box.show();
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    pressOk(database);
    setMessageBoxHandler(nullptr);

    EXPECT_EQ(bothCompletions(), shown);
    EXPECT_EQ(2, answered);
    EXPECT_EQ(QString::fromStdString(database), txtFolderZEMO().text());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(0, tutup.count());
}

// A key pressed during a reload must not start the next run once this one ends.
TEST_F(frmSettingTest, EnterPressedDuringAReloadStartsNoSecondRun)
{
    TempDir folder;
    const std::string database = makeDatabase(folder);
    writeDataFiles({"AA;Satu"}, {"IDAAA;Pelabuhan A"});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EnterDuringReload window(txtFolderZEMO());
    setProgressWindowProvider([&window]() -> ProgressWindow& { return window; });

    pressOk(database);
    QCoreApplication::processEvents();
    setProgressWindowProvider([]() -> ProgressWindow& { return Loading::instance(); });

    EXPECT_EQ(bothCompletions(), boxes.calls());
}
