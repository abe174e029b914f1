#pragma once

// The command line's side of the seams the windows use, for a run without a window: message
// boxes, the progress window and the error report write to the standard streams instead.
// - A critical box (the name check, a failed open) goes to standard error without its title,
//   CR LF written as LF; any other box (a completion text) to standard output. One line each.
// - The error report goes to standard error with the window's text (errorReportText).
// - Progress is one line on standard error, only when it is a terminal: the share of the current
//   data file read, as a percentage that never goes down within a table, rewritten at most
//   every ConsoleProgressInterval.
// Everything goes through writeStandard (platform/StandardStreams.h).
inline constexpr int ConsoleProgressInterval = 100; // milliseconds

void installConsoleSeams();
