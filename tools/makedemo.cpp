#include "tools/DemoDatabase.h"

#include "engine/Error.h"
#include "platform/ProgramDirectory.h"
#include "platform/Translations.h"

#include <QCoreApplication>

#include <algorithm>
#include <iostream>

// tandera-makedemo <path>: makes the demo database at path; never overwrites a file.
int main(int argc, char** argv)
{
    // Only for the catalogue of the operator's language; the arguments are read here.
    int qtArgc = std::min(argc, 1);
    QCoreApplication app(qtArgc, argv);
    installTranslations(catalogueFolderOf(ProgramDirectory()));
    if (argc != 2) {
        std::cerr << QCoreApplication::translate("tandera-makedemo",
                                                 "usage: tandera-makedemo <path of the new "
                                                 "Kolvarin.mdb>")
                         .toStdString()
                  << '\n';
        return 2;
    }
    try {
        createDemoDatabase(argv[1]);
    } catch (const Error& error) {
        std::cerr << "tandera-makedemo: " << error.number() << " " << error.description() << '\n';
        return 1;
    }
    return 0;
}
