#ifndef HALVORA_INSTALL_MARKER_H
#define HALVORA_INSTALL_MARKER_H

#include <string>

#include "machine-identity.h"
#include "ustring/ustring.h"

// An installation of the per-user client can be cut at any moment (power
// cut, logout, SIGKILL). A small file beside the app directory, named after
// it with the suffix ".installing" (Halvora.app.installing), says that an
// installation is under way: it is made durable before the old copy is moved
// aside and removed only once a complete copy is in place. While it exists,
// whatever stands at the app directory must not be taken as installed.
// The marker also names the folder that holds the last complete copy (the
// backup the old copy is about to be moved to, or none on a first
// installation), so that a cut at any moment can be undone exactly.
// The flush that makes each step of the installation durable lives here too.

// What FlushToDisk makes durable: the folder's own entries (a name created,
// renamed or removed in it), or everything written on its file system.
enum class FlushScope { FolderEntries, FileSystem };

// 0 on success, -1 on failure (logged).
int FlushToDisk(const ustring& dir, FlushScope scope);

// Writes text to a temporary name beside path, flushes it, renames it over
// path and flushes the folder: after a cut at any moment path is either as
// it was or holds the whole text, never part of it. 0, or -1 (logged).
int WriteFileDurably(const ustring& path, const std::string& text);

// The same without the flushes (flush false): path holds the old text or the
// whole new one once the rename is done, but either may be lost to a power
// cut. For files whose loss costs nothing but time.
int WriteFileWhole(const ustring& path, const std::string& text, bool flush);
// The same in two steps: the text written aside, under the temporary name,
// then, when it is due, renamed over path. 0, or -1 (logged); a failed
// rename leaves nothing aside.
int WriteFileAside(const ustring& path, const std::string& text, bool flush);
int TakeFileAside(const ustring& path);

// app_dir + ".installing".
ustring InstallMarkerPath(const ustring& app_dir);

// True while the marker exists, and also when its presence cannot be ruled
// out (the directory cannot be read): a copy not known to be complete is
// treated as incomplete.
bool IsInstallationUnderway(const ustring& app_dir);

// Creates or replaces the marker (and the directory that holds it), durably
// and whole. complete_copy is the name, beside app_dir, of the folder that
// holds the last complete copy while the installation runs: app_dir's own
// name while the copy has not been moved, a backup's once it is about to
// be, empty when there is none. 0 on success, -1 on failure (logged).
int MarkInstallationUnderway(const ustring& app_dir, const ustring& complete_copy = ustring());

// Reads the name recorded by MarkInstallationUnderway into complete_copy.
// False when there is no marker, when it cannot be read, or when it holds
// no record (empty, garbled, or a name that is not a plain one): then the
// marker says nothing, and the caller must check any name it gets against
// the names it makes.
bool ReadLastCompleteCopy(const ustring& app_dir, ustring& complete_copy);

// The machine whose launcher wrote the marker (it records its host, boot
// id and pid); host empty when the marker names none or cannot be read.
Machine MarkerMachine(const ustring& app_dir);

// Removes the marker durably; a missing marker counts as removed. 0 on
// success, -1 on failure (logged).
int ClearInstallationUnderway(const ustring& app_dir);

#endif
