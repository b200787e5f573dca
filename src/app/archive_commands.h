// The archive's one-shot commands of the program without windows: the import of old weather logs
// (--import-log), the CSV export (--export-csv), the climate report (--bericht), marks
// (--ungueltig, --gueltig) and a backup (--sicherung). None takes the program folder's lock, so
// that they work beside a running program (the archive file allows one writer and many readers).
#pragma once

#include "app_options.h"

// Runs the command the options ask for; returns the exit code.
int runArchiveCommand(const QString& folder, const AppOptions& options);
