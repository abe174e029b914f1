#include "engine/TableCatalog.h"

#include "engine/AsciiCase.h"
#include "engine/DatabaseFormat.h"

namespace engine {

TableInfo* TableCatalog::find(std::string_view name)
{
    // Every insert of a reload names its table the same way: no look-up, no comparison in any
    // case then.
    if (m_table && name == m_name)
        return &*m_table;
    m_table.reset();
    if (equalsIgnoringAsciiCase(name, format::PasswordTable))
        return nullptr;
    Statement lookup(m_db, "SELECT name FROM sqlite_schema WHERE type = 'table' AND name = ?1 "
                           "COLLATE NOCASE AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    lookup.bindText(1, name);
    if (!lookup.step())
        return nullptr;
    TableDefinition definition{lookup.columnText(0).value_or(""), {}};
    Statement columns(m_db, "SELECT name, type, \"notnull\", pk FROM pragma_table_info(?1)");
    columns.bindText(1, definition.name);
    while (columns.step()) {
        definition.columns.push_back({columns.columnText(0).value_or(""),
                                      fromSqliteDeclaration(columns.columnText(1).value_or("")),
                                      columns.columnInt64(2) != 0,
                                      static_cast<int>(columns.columnInt64(3))});
    }
    m_table = TableInfo{std::move(definition), Statement()};
    m_name = name;
    return &*m_table;
}

} // namespace engine
