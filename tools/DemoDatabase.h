#pragma once

#include "engine/Database.h"
#include "modules/ReferenceTable.h"

#include <string>
#include <string_view>

// Makes an empty database of ours at path, with the program's password and the two reference
// tables as the Tandera application creates them. Raises an Error when something already exists
// at path (it never overwrites) or the database cannot be made.
void createReferenceDatabase(const std::string& path);

// Adds one row to table as the reload writes its rows.
void insertRow(engine::Database& database, const ReferenceTable& table, std::string_view code,
               std::string_view description);

// Makes the demo database at path: createReferenceDatabase's, each table holding a few old rows.
void createDemoDatabase(const std::string& path);
