#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The settings dialog the program opens with: the database path, browse, Ok (the update run)
// and Tutup (end the program). Its controls carry their names as object names.
class frmSetting : public QDialog
{
public:
    explicit frmSetting(QWidget* parent = nullptr);

protected:
    // Esc and the window's close box both come here: they end the program like Tutup.
    void reject() override;

private:
    void layOut();
    void cmdOk_Click();
    void Command1_Click();
    void cmdCancel_Click();

    QGroupBox* Frame1;
    QLabel* Label1;
    QLineEdit* txtFolderZEMO;
    QPushButton* Command1;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
};
