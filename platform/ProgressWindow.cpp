#include "platform/ProgressWindow.h"

#include "engine/Error.h"

#include <QCoreApplication>

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
                    QCoreApplication::translate(
                        "ProgressWindow", "No progress window has been installed for this program.")
                        .toStdString());
    return provider()();
}

void setProgressWindowProvider(std::function<ProgressWindow&()> newProvider)
{
    provider() = std::move(newProvider);
}
