#pragma once

#include <string>

// Who makes a change of the database, on which machine and when, as its history records it.
// The user is the login name of the effective user (its number when the system has no name for
// it); the time is UTC in ISO 8601 to the second ("2026-12-08T21:42:43Z").
std::string currentUser();
std::string currentHost();
std::string currentUtcTime();
