#ifndef HALVORA_INSTALLED_FILES_RECORD_H
#define HALVORA_INSTALLED_FILES_RECORD_H

#include <string>
#include <vector>

#include "installed-files.h"
#include "ustring/ustring.h"

// The record of what an installation wrote lives beside the copy, as
// app_dir + ".files", one line a file.
ustring InstalledFilesPath(const ustring& app_dir);

// Reads a record. A missing file, one that is not a regular file of a
// sane size, or one of another version yields nothing (logged, but for a
// missing one); lines that do not parse are dropped.
InstalledFiles ReadInstalledFiles(const ustring& path);

// Records the files of `installed` (by name, with the checksum and mode the
// package gave) as they now stand under app_dir, durably; files that are no
// longer regular files there are left out. Nothing may run from the copy
// before this: a change made after it is known by its later change time.
// 0, or -1 (logged).
int WriteInstalledFiles(const ustring& app_dir, const InstalledFiles& installed);

// The files of `installed` as they now stand under app_dir, into record;
// files that are not regular files there are left out. 0, or -1 (logged).
int StatInstalledFiles(const ustring& app_dir, const InstalledFiles& installed,
                       InstalledFiles& record);

// The files of record named in names taken again as they now stand under
// app_dir; one that is no longer a regular file there is left out.
void RestatInstalledFiles(const ustring& app_dir, InstalledFiles& record,
                          const std::vector<std::string>& names);

// Writes a record whose files were taken as they stand (StatInstalledFiles).
// 0, or -1 (logged).
int WriteStatedFiles(const ustring& app_dir, InstalledFiles record);

// A record taken before the copy it describes is in place (a new copy built
// while the old client runs) waits under the record's temporary name, and
// takes the record's name once that copy is in place: writing it is no
// part of the time the user has no client. 0, or -1 (logged).
int WritePendingRecord(const ustring& app_dir, InstalledFiles record);
int TakePendingRecord(const ustring& app_dir);
void DropPendingRecord(const ustring& app_dir);

// After a failed upgrade has put the old copy back: the files in `touched`
// were linked by the upgrade and unlinked again by the rollback, which
// changed nothing in them but their change times; the record of the old
// copy is written anew with those times, so that the next upgrade still
// links them. 0, or -1 (logged).
int RenewInstalledFiles(const ustring& app_dir, const InstalledFiles& recorded,
                        const std::vector<std::string>& touched);

#endif
