#pragma once

#include <functional>
#include <string>

// The progress window the reloads show and advance. The window itself is a form (Loading);
// the program installs it here so the modules below the forms can reach it.
class ProgressWindow
{
public:
    virtual ~ProgressWindow() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Advances the bar by the step the text carries; never raises an error.
    virtual void proses(const std::string& Pars) = 0;
};

// The one program-wide progress window, from the provider the program installed. Raises an
// Error when none is installed.
ProgressWindow& progressWindow();
void setProgressWindowProvider(std::function<ProgressWindow&()> provider);
