#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>

// What a real message box showed, read just before it is answered with OK.
struct ShownBox
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QString title;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat textFormat = Qt::AutoText;
};

// Answers the next modal message box with OK once it shows, and copies what it showed into
// *shown. The watcher polls from the event loop the box itself runs.
inline void answerNextBox(ShownBox* shown)
{
    auto* watcher = new QTimer(qApp);
    watcher->setInterval(1);
    QObject::connect(watcher, &QTimer::timeout, watcher, [watcher, shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        watcher->stop();
        watcher->deleteLater();
        *shown = {box->icon(), box->text(), box->windowTitle(), box->standardButtons(),
                  box->textFormat()};
        box->button(QMessageBox::Ok)->click();
    });
    watcher->start();
}
