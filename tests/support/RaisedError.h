#pragma once

#include "engine/Error.h"

#include <gtest/gtest.h>

#include <functional>

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
