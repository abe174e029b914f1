#pragma once

#include "engine/Error.h"

#include <functional>
#include <string>

// The standard report of an unhandled error: a modal critical box with its number and
// description, then what became of the data when the error says so, under the application's
// title; then the program ends with exit status 1. The box shows the ordinary arrow cursor.
// With an event loop running it asks the loop to end (QCoreApplication::exit(1): exec()
// returns 1 once control gets back to it), so the caller must return at once and do nothing
// more; without a running event loop the process ends here (std::exit(1)).
// Click handlers call it from their one catch.
void ReportUnhandledError(const Error& error);

// Reports the exception being handled as above, for a catch (...) block: an Error as it is,
// running out of memory as error 7 and anything else as error 51.
void ReportCurrentException();

// The report's text: "Run-time error '<number>':", the description, then the data note.
std::string errorReportText(const Error& error);

// Test seam: while a handler is installed, it receives the error instead and nothing ends.
using ErrorReportHandler = std::function<void(const Error&)>;
void setErrorReportHandler(ErrorReportHandler handler);
