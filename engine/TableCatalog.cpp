#include "engine/TableCatalog.h"

#include "engine/AsciiCase.h"
#include "engine/DatabaseFormat.h"

namespace engine {

TableInfo* TableCatalog::find(std::string_view name)
{
    // Every insert of a reload names its table the same way: no comparison in any case then.
    if (m_last && name == m_lastName)
        return m_last;
    for (const auto& table : m_tables) {
        if (equalsIgnoringAsciiCase(table->definition.name, name))
            return remember(name, table.get());
    }
    if (equalsIgnoringAsciiCase(name, format::PasswordTable))
        return nullptr;
    auto loaded = load(name);
    if (!loaded)
        return nullptr;
    m_tables.push_back(std::move(loaded));
    return remember(name, m_tables.back().get());
}

TableInfo* TableCatalog::remember(std::string_view name, TableInfo* table)
{
    m_lastName.assign(name);
    m_last = table;
    return table;
}

std::unique_ptr<TableInfo> TableCatalog::load(std::string_view name)
{
    if (!m_lookup.valid()) {
        m_lookup = Statement(m_db, "SELECT name FROM sqlite_schema WHERE type = 'table' AND "
                                   "name = ?1 COLLATE NOCASE AND name NOT LIKE 'sqlite\\_%' "
                                   "ESCAPE '\\'");
    }
    m_lookup.bindText(1, name);
    std::optional<std::string> stored;
    if (m_lookup.step())
        stored = m_lookup.columnText(0);
    m_lookup.reset();
    if (!stored)
        return nullptr;

    auto table = std::make_unique<TableInfo>();
    table->definition.name = *stored;
    Statement columns(m_db, "SELECT name, type, \"notnull\", pk FROM pragma_table_info(?1)");
    columns.bindText(1, *stored);
    while (columns.step()) {
        Column column;
        column.name = columns.columnText(0).value_or(std::string());
        column.type = fromSqliteDeclaration(columns.columnText(1).value_or(std::string()));
        column.notNull = columns.columnInt64(2) != 0;
        column.keyPosition = static_cast<int>(columns.columnInt64(3));
        table->definition.columns.push_back(std::move(column));
    }
    return table;
}

} // namespace engine
