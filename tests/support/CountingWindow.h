#pragma once

#include "platform/ProgressWindow.h"

#include <string>

// A progress window nobody looks at: it only counts how often it is shown and stepped.
class CountingWindow : public ProgressWindow
{
public:
    void Show() override { ++shown; }
    void Hide() override {}
    void proses(const std::string&) override { ++steps; }
    int shown = 0;
    int steps = 0;
};
