#pragma once

#include <QTextStream>

struct CommandLine;

// The --console-script mode: types each line of the file into the console as one entry,
// against the simulation without windows, and writes the transcript. Exit code 0, or 2
// (with a message on standard error) when the file cannot be read.
int RunConsoleScript(const CommandLine& commandLine, QTextStream& out, QTextStream& err);
