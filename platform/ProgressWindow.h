#pragma once

#include <functional>
#include <string>

class TextFileInput;

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
    // The data file the coming work reads, until Hide: the command line's progress shows how
    // much of it has been read; the window's bar keeps its own count and takes no notice.
    virtual void setSource(const TextFileInput* input) { static_cast<void>(input); }
};

// The one program-wide progress window, from the provider the program installed. Raises an
// Error when none is installed.
ProgressWindow& progressWindow();
void setProgressWindowProvider(std::function<ProgressWindow&()> provider);
