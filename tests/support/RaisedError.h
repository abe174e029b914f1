#pragma once

#include "engine/Error.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// The Error action raises; when it raises none, a failure of the test and an Error numbered 0.
inline Error errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& error) {
        return error;
    }
    ADD_FAILURE() << "no Error was raised";
    return Error(0, {});
}

// Fails the test unless error's description names path, in quotes.
inline void expectNamed(const Error& error, const std::string& path)
{
    EXPECT_NE(error.description().find("'" + path + "'"), std::string::npos) << error.description();
}
