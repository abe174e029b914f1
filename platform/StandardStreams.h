#pragma once

#include <cstdio>
#include <functional>
#include <string_view>

// Standard output and standard error as a script may hand them over: closed, a full device, or a
// pipe whose reader has gone. Writing there never stops or hides an update; a write that failed
// is reported once and turns the exit status into 1, as GNU tools do.

// Called first in main, before any file, socket or event descriptor exists: SIGPIPE is ignored
// (a write to a pipe nobody reads fails with EPIPE instead of killing the program half way
// through a run), and each of descriptors 0, 1 and 2 that is closed is taken by /dev/null, opened
// so that it cannot be used the stream's way: writes to a closed standard output keep failing
// (EBADF), and nothing the program opens later lands on a standard descriptor.
void guardStandardStreams();

// Writes text to stream (stdout or stderr) and flushes it, so that lines reach a pipe as they
// come; unless flush is false, for long listings, which the stream then writes in blocks. A
// failure is remembered, with its reason, for runWithCheckedOutput; never raised.
void writeStandard(std::FILE* stream, std::string_view text, bool flush = true);

// Runs one command-line action and returns its exit status. When a write to standard output or
// standard error failed meanwhile (through writeStandard or any other stdio call, Qt's messages
// included), says "<programName>: write error: <reason>" once on standard error, if it still can,
// and returns 1. Every command-line action goes through it; it needs the application object for
// the catalogue of the user's language.
int runWithCheckedOutput(std::string_view programName, const std::function<int()>& action);
