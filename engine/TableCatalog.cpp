#include "engine/TableCatalog.h"

#include "engine/AsciiCase.h"
#include "engine/DatabaseFormat.h"

namespace engine {

TableInfo* TableCatalog::find(std::string_view name)
{
    // Every insert of a reload names its table the same way: no comparison in any case then.
    if (m_last && name == m_lastName)
        return m_last;
    m_last = nullptr;
    for (TableInfo& table : m_tables) {
        if (equalsIgnoringAsciiCase(table.definition.name, name))
            m_last = &table;
    }
    if (!m_last && !equalsIgnoringAsciiCase(name, format::PasswordTable))
        m_last = load(name);
    m_lastName.assign(m_last ? name : std::string_view());
    return m_last;
}

TableInfo* TableCatalog::load(std::string_view name)
{
    if (!m_lookup.valid()) {
        m_lookup = Statement(m_db, "SELECT name FROM sqlite_schema WHERE type = 'table' AND "
                                   "name = ?1 COLLATE NOCASE AND name NOT LIKE 'sqlite\\_%' "
                                   "ESCAPE '\\'");
    }
    m_lookup.bindText(1, name);
    const std::optional<std::string> stored =
        m_lookup.step() ? m_lookup.columnText(0) : std::nullopt;
    m_lookup.reset();
    if (!stored)
        return nullptr;

    TableDefinition definition{*stored, {}};
    Statement columns(m_db, "SELECT name, type, \"notnull\", pk FROM pragma_table_info(?1)");
    columns.bindText(1, *stored);
    while (columns.step()) {
        definition.columns.push_back({columns.columnText(0).value_or(std::string()),
                                      fromSqliteDeclaration(columns.columnText(1).value_or("")),
                                      columns.columnInt64(2) != 0,
                                      static_cast<int>(columns.columnInt64(3))});
    }
    return &m_tables.emplace_back(TableInfo{std::move(definition), Statement()});
}

} // namespace engine
