#include "tests/forms/frmSettingFixture.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>

namespace {

struct Placement
{
    const char* name;
    const char* parent;
    QRect pixels; // the layout's twips at 96 dpi, 15 to the pixel
    const char* caption;
};

QString captionOf(const QWidget& widget)
{
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget))
        return frame->title();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* button = qobject_cast<const QPushButton*>(&widget))
        return button->text();
    return qobject_cast<const QLineEdit*>(&widget)->text();
}

} // namespace

TEST_F(frmSettingTest, ControlsSitWhereTheLayoutPutsThem)
{
    const Placement placements[] = {
        {"Frame1", "frmSetting", {8, 8, 491, 75}, "Kolvarin.mdb yang diupdate"},
        {"txtFolderZEMO", "Frame1", {88, 30, 357, 21}, ""},
        {"Command1", "Frame1", {448, 30, 31, 23}, "..."},
        {"cmdOk", "frmSetting", {320, 88, 85, 29}, "Ok"},
        {"cmdCancel", "frmSetting", {416, 88, 85, 29}, "Tutup"},
    };
    ASSERT_EQ(dialog.logicalDpiX(), 96);
    for (const Placement& expected : placements) {
        SCOPED_TRACE(expected.name);
        const QWidget& widget = control<QWidget>(expected.name);
        EXPECT_EQ(QString::fromLatin1(expected.parent), widget.parentWidget()->objectName());
        EXPECT_EQ(expected.pixels, widget.geometry());
        EXPECT_EQ(QString::fromLatin1(expected.caption), captionOf(widget));
    }
}

TEST_F(frmSettingTest, LabelSizesItselfToItsTextAndNamesThePathBox)
{
    const QLabel& label = control<QLabel>("Label1");
    EXPECT_EQ(QStringLiteral("Lokasih file"), label.text());
    EXPECT_EQ(QStringLiteral("Frame1"), label.parentWidget()->objectName());
    ASSERT_EQ(dialog.logicalDpiX(), 96);
    EXPECT_EQ(QPoint(10, 32), label.pos()); // 150, 480 twips
    EXPECT_EQ(label.sizeHint(), label.size());
    EXPECT_EQ(&txtFolderZEMO(), label.buddy());
}

// A screen reader reads "..." as dots: the browse button needs a name of its own, while the path
// box is named by its label; nothing visible changes.
TEST_F(frmSettingTest, BrowseAndPathBoxHaveAccessibleNames)
{
    QAccessibleInterface* browse = QAccessible::queryAccessibleInterface(&button("Command1"));
    ASSERT_NE(nullptr, browse);
    EXPECT_EQ(QStringLiteral("Browse for the database file"), browse->text(QAccessible::Name));
    EXPECT_EQ(QStringLiteral("..."), button("Command1").text());

    QAccessibleInterface* path = QAccessible::queryAccessibleInterface(&txtFolderZEMO());
    ASSERT_NE(nullptr, path);
    EXPECT_EQ(QStringLiteral("Lokasih file"), path->text(QAccessible::Name));
}

TEST_F(frmSettingTest, WindowIsAFixedCentredDialogTitledPatch)
{
    EXPECT_EQ(QStringLiteral("frmSetting"), dialog.objectName());
    EXPECT_EQ(QStringLiteral("Patch"), dialog.windowTitle());
    EXPECT_FALSE(dialog.windowIcon().isNull());

    ASSERT_EQ(dialog.logicalDpiX(), 96);
    const QSize client(511, 132); // 7665 x 1980 twips
    EXPECT_EQ(client, dialog.size());
    EXPECT_EQ(client, dialog.minimumSize());
    EXPECT_EQ(client, dialog.maximumSize());

    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_EQ(Qt::Tool, dialog.windowType()) << "kept off the taskbar";
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));

    const QPoint screenCentre = dialog.screen()->availableGeometry().center();
    EXPECT_LE((dialog.geometry().center() - screenCentre).manhattanLength(), 2);
}

TEST_F(frmSettingTest, EveryControlUsesTheWindowFont)
{
    for (const char* name :
         {"Frame1", "Label1", "txtFolderZEMO", "Command1", "cmdOk", "cmdCancel"}) {
        SCOPED_TRACE(name);
        const QFont font = control<QWidget>(name).font();
        EXPECT_EQ(QStringLiteral("MS Sans Serif"), font.family());
        EXPECT_EQ(8, font.pointSize());
        EXPECT_EQ(QFont::SansSerif, font.styleHint());
    }
}

TEST_F(frmSettingTest, TabVisitsPathBrowseOkTutupStartingInThePathBox)
{
    EXPECT_EQ(&txtFolderZEMO(), dialog.focusWidget());

    QStringList tabStops;
    for (QWidget* widget = dialog.nextInFocusChain(); widget != &dialog;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0)
            tabStops << widget->objectName();
    }
    EXPECT_EQ((QStringList{QStringLiteral("txtFolderZEMO"), QStringLiteral("Command1"),
                           QStringLiteral("cmdOk"), QStringLiteral("cmdCancel")}),
              tabStops);
    EXPECT_EQ(Qt::NoFocus, control<QWidget>("Frame1").focusPolicy());
    EXPECT_EQ(Qt::NoFocus, control<QWidget>("Label1").focusPolicy());
}

TEST_F(frmSettingTest, PathBoxStartsEmptyAndTakesAPathOfAnyLength)
{
    EXPECT_EQ(QString(), txtFolderZEMO().text());
    const QString longPath = QStringLiteral("/data/") + QString(70000, QLatin1Char('x')) +
                             QStringLiteral("/Kolvarin.mdb");
    txtFolderZEMO().setText(longPath);
    EXPECT_EQ(longPath.size(), txtFolderZEMO().text().size());
}
