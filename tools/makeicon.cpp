#include "forms/AppIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QString>

#include <iostream>

// tandera-makeicon <folder> <name> <size>...: saves the window's icon, drawn by the program's own
// code, as <folder>/<size>x<size>/apps/<name>.png for each size (the icon theme's layout), so the
// menu shows the icon the window shows. Needs a Qt platform; the build runs it offscreen.
int main(int argc, char** argv)
{
    if (argc < 4) {
        std::cerr << "usage: tandera-makeicon <folder> <name> <size>...\n";
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    const QString folder = arguments.at(1);
    const QString name = arguments.at(2);
    for (qsizetype i = 3; i < arguments.size(); ++i) {
        bool isNumber = false;
        const int size = arguments.at(i).toInt(&isNumber);
        if (!isNumber || size <= 0) {
            std::cerr << "tandera-makeicon: not a size: " << arguments.at(i).toStdString() << '\n';
            return 2;
        }
        const QString directory = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(directory, name);
        if (!QDir().mkpath(directory) || !appIconPixmap(size).save(file, "PNG")) {
            std::cerr << "tandera-makeicon: cannot write " << file.toStdString() << '\n';
            return 1;
        }
    }
    return 0;
}
