#include "forms/RunGuard.h"

#include "forms/Loading.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace {

// A window of the program the operator might click or type into during a run.
class Recorder : public QWidget
{
public:
    std::set<QEvent::Type> received;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() >= QEvent::MouseButtonPress && event->type() <= QEvent::KeyRelease)
            received.insert(event->type());
        else if (event->type() == QEvent::Wheel || event->type() == QEvent::ContextMenu ||
                 event->type() == QEvent::ShortcutOverride || event->type() == QEvent::InputMethod)
            received.insert(event->type());
        return QWidget::event(event);
    }
};

std::unique_ptr<QEvent> mouse(QEvent::Type type, Qt::MouseButton button)
{
    return std::make_unique<QMouseEvent>(type, QPointF(5, 5), QPointF(5, 5), button,
                                         button == Qt::NoButton ? Qt::NoButton : Qt::LeftButton,
                                         Qt::NoModifier);
}

std::unique_ptr<QEvent> key(QEvent::Type type)
{
    return std::make_unique<QKeyEvent>(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
}

const std::vector<std::function<std::unique_ptr<QEvent>()>> operatorInput = {
    [] { return mouse(QEvent::MouseButtonPress, Qt::LeftButton); },
    [] { return mouse(QEvent::MouseButtonRelease, Qt::LeftButton); },
    [] { return mouse(QEvent::MouseButtonDblClick, Qt::LeftButton); },
    [] { return mouse(QEvent::MouseMove, Qt::NoButton); },
    [] { return key(QEvent::KeyPress); },
    [] { return key(QEvent::KeyRelease); },
    [] { return key(QEvent::ShortcutOverride); },
    [] {
        return std::make_unique<QWheelEvent>(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120),
                                             Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                                             false);
    },
    [] { return std::make_unique<QContextMenuEvent>(QContextMenuEvent::Mouse, QPoint(5, 5)); },
    [] {
        auto event = std::make_unique<QInputMethodEvent>();
        event->setCommitString(QStringLiteral("x"));
        return event;
    },
};

// The kinds of event sent; a key press brings a shortcut override of its own.
std::set<QEvent::Type> sendAll(QWidget& target)
{
    std::set<QEvent::Type> sent;
    for (const auto& make : operatorInput) {
        const auto event = make();
        sent.insert(event->type());
        QApplication::sendEvent(&target, event.get());
    }
    return sent;
}

// A run with the progress window in it, as the update run has: the window paints, and so
// processes events, while the run lives.
class RunGuardTest : public testing::Test
{
protected:
    RunGuardTest()
    {
        other.resize(100, 100);
        other.setMouseTracking(true);
        other.show();
    }

    void begin()
    {
        run.emplace();
        loading.Show();
    }

    void end()
    {
        loading.Hide();
        run.reset();
    }

    Recorder other;
    Loading loading;
    std::optional<RunGuard> run;
};

TEST_F(RunGuardTest, NothingReachesAnyWindowDuringARun)
{
    begin();
    sendAll(other);
    EXPECT_EQ(other.received, std::set<QEvent::Type>{});
    loading.proses("0.6");
    end();

    const auto sent = sendAll(other);
    EXPECT_EQ(other.received, sent);
}

TEST_F(RunGuardTest, ClicksAndKeysDoNothingDuringARun)
{
    QPushButton button;
    QLineEdit text;
    button.show();
    text.show();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, [&clicks] { ++clicks; });

    begin();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClicks(&text, QStringLiteral("abc"));
    QTest::mouseClick(&loading.window(), Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(text.text(), QString());
    end();

    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClicks(&text, QStringLiteral("abc"));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(text.text(), QStringLiteral("abc"));
}

// Input still queued when the run ends would otherwise reach the dialog after it, and a key
// typed during a reload could start the next one.
TEST_F(RunGuardTest, InputQueuedDuringARunIsDroppedWhenItEnds)
{
    QLineEdit text;
    text.show();
    begin();
    loading.Hide();
    QCoreApplication::postEvent(
        &text, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x")));
    run.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(text.text(), QString());
}

// Mended fault: keys typed just after the operator closed a browse's file dialog (Tab back to
// the path, the path itself) were dropped with the run, and Return then pressed "..." again.
TEST_F(RunGuardTest, KeysTypedAfterTheRunsLastBoxReachTheDialogInOrder)
{
    QLineEdit text;
    text.show();
    run.emplace();
    QDialog box;
    box.setWindowModality(Qt::ApplicationModal);
    auto* answer = new QLineEdit(&box);
    box.show();
    QTest::keyClick(answer, Qt::Key_A);
    box.hide();
    const auto type = [&text](const char* letter) {
        QCoreApplication::postEvent(&text,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier,
                                                  QString::fromLatin1(letter)));
    };
    type("x");
    QCoreApplication::processEvents(); // met while the run still lives
    type("y");
    run.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(text.text(), QStringLiteral("xy"));
}

// Keys typed behind the answer to one box, and during the reload whose window comes next, are
// not meant for the dialog: an Enter among them would start the update again after the run.
TEST_F(RunGuardTest, KeysHeldAfterABoxAreDroppedWhenTheRunsNextWindowAppears)
{
    QLineEdit text;
    text.show();
    run.emplace();
    QDialog box;
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    QTest::keyClick(&box, Qt::Key_A);
    box.hide();
    for (const char* letter : {"x", "y"}) {
        QCoreApplication::postEvent(&text,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier,
                                                  QString::fromLatin1(letter)));
        QCoreApplication::processEvents();
        loading.Show(); // the next table's reload
    }
    end();
    QCoreApplication::processEvents();
    EXPECT_EQ(text.text(), QString());
}

TEST_F(RunGuardTest, AMessageBoxShownDuringTheRunStillAnswers)
{
    begin();
    QDialog box;
    box.setWindowModality(Qt::ApplicationModal);
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    auto* answer = new QLineEdit(&box);
    answer->move(0, 40);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, &box, [&clicks] { ++clicks; });
    box.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &box);

    QTest::mouseClick(ok, Qt::LeftButton);
    QTest::keyClicks(answer, QStringLiteral("ya"));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(answer->text(), QStringLiteral("ya"));
    sendAll(other);
    EXPECT_EQ(other.received, std::set<QEvent::Type>{});

    box.hide();
    end();
}

// The file dialog of a browse is such a box, and its lists of folders and file types open as
// windows of their own.
TEST_F(RunGuardTest, AListOpenedFromTheMessageBoxStillAnswers)
{
    run.emplace();
    QDialog box;
    box.setWindowModality(Qt::ApplicationModal);
    auto* types = new QComboBox(&box);
    types->addItems({QStringLiteral("Backup File"), QStringLiteral("All Files")});
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    types->showPopup();
    QWidget* list = types->view();
    ASSERT_EQ(list->window(), QApplication::activePopupWidget());
    ASSERT_NE(list->window(), &box);

    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(types->currentIndex(), 1);

    box.hide();
    run.reset();
}

TEST_F(RunGuardTest, AWindowModalBeforeTheRunIsHeldOffLikeAnyOther)
{
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&clicks] { ++clicks; });
    dialog.show();

    begin();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    end();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(RunGuardTest, NoWindowClosesDuringARun)
{
    begin();
    other.close(); // goes through the window system like the close button
    loading.window().close();
    EXPECT_TRUE(other.isVisible());
    EXPECT_TRUE(loading.window().isVisible());
    end();

    other.close();
    EXPECT_FALSE(other.isVisible());
}

TEST_F(RunGuardTest, OneRunAtATimeAndInputFlowsAgainWhenItEnds)
{
    EXPECT_FALSE(RunGuard::underWay());
    {
        const RunGuard inner;
        Loading shown;
        shown.Show();
        EXPECT_TRUE(RunGuard::underWay());
    }
    EXPECT_FALSE(RunGuard::underWay());
    const auto sent = sendAll(other);
    EXPECT_EQ(other.received, sent);
}

} // namespace
