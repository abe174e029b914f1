#pragma once

#include "engine/Error.h"

#include <functional>

// The standard report of an unhandled error: shows its number and description under the
// application's title, then ends the program with a non-zero exit status (the event loop
// returns 1). Click handlers call it from their one catch.
void ReportUnhandledError(const Error& error);

// Test seam: while a handler is installed, it receives the error instead and nothing ends.
using ErrorReportHandler = std::function<void(const Error&)>;
void setErrorReportHandler(ErrorReportHandler handler);
