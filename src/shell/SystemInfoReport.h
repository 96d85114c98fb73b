#pragma once

#include <QTextStream>

#include "diagnostics/SystemInformation.h"

class Session;
struct CommandLine;

// The system information dump of the running session; frames is what the viewer has
// rendered so far.
sysinfo::Dump CollectSystemInformation(Session& session, int frames);

// --system-info: prints the dump to the stream and returns the exit status. The screen and
// OpenGL are asked only when there is a display; without one their lines say so.
int RunSystemInfo(int argc, char** argv, const CommandLine& commandLine, QTextStream& out);
