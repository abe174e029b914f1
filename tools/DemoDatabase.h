#pragma once

#include <string>

// Makes an empty database of ours at path, with the program's password and the two reference
// tables as the Tandera application creates them. Raises an Error when something already exists
// at path (it never overwrites) or the database cannot be made.
void createReferenceDatabase(const std::string& path);

// Makes the demo database at path: createReferenceDatabase's, each table holding a few old rows.
void createDemoDatabase(const std::string& path);
