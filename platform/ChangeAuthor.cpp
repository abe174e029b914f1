#include "platform/ChangeAuthor.h"

#include <QDateTime>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

std::string currentUser()
{
    const uid_t uid = ::geteuid();
    const passwd* entry = ::getpwuid(uid);
    return entry != nullptr && entry->pw_name != nullptr ? std::string(entry->pw_name)
                                                         : std::to_string(uid);
}

std::string currentHost()
{
    return QSysInfo::machineHostName().toStdString();
}

std::string currentUtcTime()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
}
