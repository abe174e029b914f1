#pragma once

#include <cstdlib>
#include <string>

// The environment variable name's value; empty when it is not set.
inline std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}
