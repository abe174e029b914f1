#include "forms/frmSetting.h"

#include "forms/AppIcon.h"
#include "forms/RunGuard.h"
#include "forms/Twips.h"
#include "modules/MdlMain.h"
#include "modules/UpdateRun.h"
#include "platform/ErrorReport.h"
#include "platform/FileDialog.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <limits>

namespace {

// Runs one click handler as a run of its own, or nothing while another is under way: nothing it
// raises crosses the Qt event boundary; an error goes to the unhandled-error report, which ends
// the program.
template <typename Handler> void runClick(Handler&& handler)
{
    if (RunGuard::underWay())
        return;
    const RunGuard run;
    try {
        handler();
    } catch (...) {
        ReportCurrentException();
    }
}

QPushButton* makeButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

frmSetting::frmSetting(QWidget* parent)
    // Qt::Tool keeps the window off the taskbar; the hints give a title with a close box only.
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmSetting"));
    setWindowTitle(QStringLiteral("Patch"));
    setWindowIcon(appIcon());
    setSizeGripEnabled(false);

    // Children inherit the window font.
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    Frame1 = new QGroupBox(QStringLiteral("Kolvarin.mdb yang diupdate"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1 = new QLabel(QStringLiteral("Lokasih file"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtFolderZEMO = new QLineEdit(Frame1);
    txtFolderZEMO->setObjectName(QStringLiteral("txtFolderZEMO"));
    txtFolderZEMO->setMaxLength(std::numeric_limits<int>::max());
    Label1->setBuddy(txtFolderZEMO);
    Command1 = makeButton(QStringLiteral("..."), "Command1", Frame1);
    // "..." says nothing to a screen reader; the path box is named by its label, its buddy.
    Command1->setAccessibleName(
        QCoreApplication::translate("frmSetting", "Browse for the database file"));
    cmdOk = makeButton(QStringLiteral("Ok"), "cmdOk", this);
    cmdOk->setDefault(true);
    cmdCancel = makeButton(QStringLiteral("Tutup"), "cmdCancel", this);

    layOut();

    setTabOrder(txtFolderZEMO, Command1);
    setTabOrder(Command1, cmdOk);
    setTabOrder(cmdOk, cmdCancel);
    txtFolderZEMO->setFocus();

    connect(cmdOk, &QPushButton::clicked, this, [this] { runClick([this] { cmdOk_Click(); }); });
    connect(Command1, &QPushButton::clicked, this,
            [this] { runClick([this] { Command1_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this,
            [this] { runClick([this] { cmdCancel_Click(); }); });
}

void frmSetting::layOut()
{
    setFixedSize(Twips::size(*this, 7665, 1980));
    Frame1->setGeometry(Twips::rect(*this, 120, 120, 7365, 1125));
    Label1->setGeometry(Twips::rect(*this, 150, 480, 795, 195));
    Label1->adjustSize();
    txtFolderZEMO->setGeometry(Twips::rect(*this, 1320, 450, 5355, 315));
    Command1->setGeometry(Twips::rect(*this, 6720, 450, 465, 345));
    cmdOk->setGeometry(Twips::rect(*this, 4800, 1320, 1275, 435));
    cmdCancel->setGeometry(Twips::rect(*this, 6240, 1320, 1275, 435));

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSetting::reject()
{
    cmdCancel->click();
}

void frmSetting::cmdOk_Click()
{
    if (txtFolderZEMO->text().isEmpty())
        return;
    RunUpdate(txtFolderZEMO->text().toStdString());
}

void frmSetting::Command1_Click()
{
    const std::string fileName = ShowOpen(std::string(kDatabaseFileFilter));
    if (!fileName.empty())
        txtFolderZEMO->setText(QString::fromStdString(fileName));
}

void frmSetting::cmdCancel_Click()
{
    // Ends the event loop whatever windows remain (the hidden progress window among them).
    QCoreApplication::exit(0);
}
