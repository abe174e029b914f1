#pragma once

#include <string>

// Makes the demo database at path: an empty database of ours with the program's password and
// the two reference tables as the Tandera application has them, each holding a few old rows.
// Raises an Error when something already exists at path (it never overwrites) or the database
// cannot be made.
void createDemoDatabase(const std::string& path);
