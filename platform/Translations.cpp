#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace {

constexpr auto kCatalogue = "tandera-patch";

// A loaded catalogue goes to the application, which keeps it installed until the program ends.
bool install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return false;
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.release());
    return true;
}

} // namespace

std::string installTranslations(const std::string& catalogueFolder)
{
    if (QCoreApplication::instance() == nullptr)
        return {};
    const QString folder = QString::fromStdString(catalogueFolder);
    // Qt ships an English catalogue of its own, so its load stops at English by itself.
    install(QLocale::system(), QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English)
            return {};
        if (language.language() == QLocale::C)
            continue;
        if (install(language, QString::fromLatin1(kCatalogue), folder))
            return QLocale::languageToCode(language.language()).toStdString();
    }
    return {};
}
