#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
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
    // The text as Qt's accessibility interface reports it to screen readers.
    QString accessibleText;
    // The text as drawn, and as the same label draws it with every CR LF made a plain LF.
    QImage drawnText;
    QImage drawnWithLf;
    int lineHeight = 0;
    // The application's cursor while the box waits; Qt::BitmapCursor stands for none set.
    Qt::CursorShape cursor = Qt::BitmapCursor;
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
        *shown = ShownBox();
        shown->icon = box->icon();
        shown->text = box->text();
        shown->title = box->windowTitle();
        shown->buttons = box->standardButtons();
        shown->textFormat = box->textFormat();
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label))
                shown->accessibleText = face->text(QAccessible::Name);
            shown->drawnText = label->grab().toImage();
            const QString text = label->text();
            label->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            shown->drawnWithLf = label->grab().toImage();
            label->setText(text);
            shown->lineHeight = label->fontMetrics().height();
        }
        if (const QCursor* cursor = QGuiApplication::overrideCursor())
            shown->cursor = cursor->shape();
        box->button(QMessageBox::Ok)->click();
    });
    watcher->start();
}
