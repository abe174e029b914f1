#pragma once

#include <QLocale>
#include <QString>

#include <clocale>
#include <string>

// Switches the program to a locale whose decimal separator is a comma (Indonesian for Qt; the
// C library's German or Indonesian where the machine has one) and back when it goes.
class CommaLocale
{
public:
    CommaLocale() : m_qtBefore(QLocale()), m_cBefore(std::setlocale(LC_ALL, nullptr))
    {
        QLocale::setDefault(QLocale(QStringLiteral("id_ID")));
        for (const char* name : {"de_DE.UTF-8", "id_ID.UTF-8", "de_DE.utf8", "id_ID.utf8"})
            if (std::setlocale(LC_ALL, name) != nullptr)
                break;
    }
    ~CommaLocale()
    {
        QLocale::setDefault(m_qtBefore);
        std::setlocale(LC_ALL, m_cBefore.c_str());
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

private:
    QLocale m_qtBefore;
    std::string m_cBefore;
};
