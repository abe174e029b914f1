#include "platform/ProgressWindow.h"

#include "engine/Error.h"

#include <utility>

namespace {
std::function<ProgressWindow&()>& provider()
{
    static std::function<ProgressWindow&()> installed;
    return installed;
}
} // namespace

ProgressWindow& progressWindow()
{
    if (!provider())
        throw Error(ErrorNumber::InvalidProcedureCall,
                    "No progress window has been installed for this program.");
    return provider()();
}

void setProgressWindowProvider(std::function<ProgressWindow&()> newProvider)
{
    provider() = std::move(newProvider);
}
