#include "forms/Loading.h"

#include <QApplication>
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
        else if (event->type() == QEvent::Wheel || event->type() == QEvent::ContextMenu
                 || event->type() == QEvent::ShortcutOverride
                 || event->type() == QEvent::InputMethod)
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

class LoadingInput : public testing::Test
{
protected:
    LoadingInput()
    {
        other.resize(100, 100);
        other.setMouseTracking(true);
        other.show();
    }

    Recorder other;
    Loading window;
};

TEST_F(LoadingInput, NothingReachesAnyWindowWhileShown)
{
    window.Show();
    sendAll(other);
    EXPECT_EQ(other.received, std::set<QEvent::Type>{});
    window.proses("0.6");
    window.Hide();

    const auto sent = sendAll(other);
    EXPECT_EQ(other.received, sent);
}

TEST_F(LoadingInput, ClicksAndKeysDoNothingWhileShown)
{
    QPushButton button;
    QLineEdit text;
    button.show();
    text.show();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, [&clicks] { ++clicks; });

    window.Show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClicks(&text, QStringLiteral("abc"));
    QTest::mouseClick(&window, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(text.text(), QString());
    window.Hide();

    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClicks(&text, QStringLiteral("abc"));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(text.text(), QStringLiteral("abc"));
}

TEST_F(LoadingInput, AMessageBoxShownDuringTheRunStillAnswers)
{
    window.Show();
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
    window.Hide();
}

TEST_F(LoadingInput, AWindowModalBeforeTheRunIsHeldOffLikeAnyOther)
{
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&clicks] { ++clicks; });
    dialog.show();

    window.Show();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    window.Hide();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(LoadingInput, NoWindowClosesWhileShown)
{
    window.Show();
    other.close();  // goes through the window system like the close button
    window.close();
    EXPECT_TRUE(other.isVisible());
    EXPECT_TRUE(window.isVisible());
    window.Hide();

    other.close();
    EXPECT_FALSE(other.isVisible());
}

TEST_F(LoadingInput, InputFlowsAgainWhenAShownWindowIsDestroyed)
{
    {
        Loading shown;
        shown.Show();
    }
    const auto sent = sendAll(other);
    EXPECT_EQ(other.received, sent);
}

} // namespace
