#include "engine/ReplayGuard.h"

#include "engine/AsciiCase.h"
#include "engine/DatabaseFormat.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace engine {

namespace {

bool isOneOf(const char* name, std::initializer_list<std::string_view> names)
{
    return name && std::any_of(names.begin(), names.end(), [name](std::string_view candidate) {
               return equalsIgnoringAsciiCase(name, candidate);
           });
}

bool isSchemaTable(const char* name)
{
    return isOneOf(name, {"sqlite_master", "sqlite_schema"});
}

} // namespace

ReplayGuard::ReplayGuard(sqlite3* db) : m_db(db)
{
    sqlite3_set_authorizer(m_db, &ReplayGuard::authorize, nullptr);
}

ReplayGuard::~ReplayGuard()
{
    sqlite3_set_authorizer(m_db, nullptr, nullptr);
}

int ReplayGuard::authorize(void*, int action, const char* first, const char* second, const char*,
                           const char*)
{
    if (isOneOf(first, {format::PasswordTable}) || isOneOf(second, {format::PasswordTable}))
        return SQLITE_DENY;
    switch (action) {
    case SQLITE_CREATE_INDEX:
    case SQLITE_READ:
    case SQLITE_REINDEX:
        return SQLITE_OK;
    case SQLITE_INSERT: // the new index's schema row
    case SQLITE_UPDATE:
        return isSchemaTable(first) ? SQLITE_OK : SQLITE_DENY;
    default:
        return SQLITE_DENY;
    }
}

} // namespace engine
