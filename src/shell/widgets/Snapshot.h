#pragma once

#include <QString>

class TMDIContainer;

// --snapshot: once the program has started, saves a picture of the chosen view as PNG.
// Returns the exit code.
int SaveSnapshot(TMDIContainer& main, const QString& file, const QString& view);
