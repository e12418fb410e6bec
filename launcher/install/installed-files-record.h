#ifndef HALVORA_INSTALLED_FILES_RECORD_H
#define HALVORA_INSTALLED_FILES_RECORD_H

#include "installed-files.h"
#include "ustring/ustring.h"

// The record of what an installation wrote lives beside the copy, as
// app_dir + ".files", one line a file.
ustring InstalledFilesPath(const ustring& app_dir);

// Reads a record; a missing or unreadable file, or one of another version,
// yields nothing, and lines that do not parse are dropped.
InstalledFiles ReadInstalledFiles(const ustring& path);

// Records the files of `installed` (by path, with the checksum the package
// gave) as they now stand under app_dir, durably; files that are no longer
// regular files there are left out. 0, or -1 (logged).
int WriteInstalledFiles(const ustring& app_dir, const InstalledFiles& installed);

#endif
