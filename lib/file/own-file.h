#ifndef HALVORA_OWN_FILE_H
#define HALVORA_OWN_FILE_H

#include <cstddef>
#include <functional>
#include <string>

#include "ustring/ustring.h"

// The launcher's own small files in the user's home (the marker, the record
// of installed files, the pid file, version files) are under the user's
// control like everything else there: a FIFO, a device or a link to one in
// their place must neither block the launcher nor make it read without end.

// Reads the file at path into text when it is a regular file of at most
// max_bytes. The open never blocks and follows no link at the last element.
// 0, or an errno value: ENOENT when nothing is there, ELOOP for a link,
// EFTYPE_NOT_REGULAR for anything else that is not a regular file, EFBIG
// when it is larger than max_bytes. text is empty on any failure.
const int EFTYPE_NOT_REGULAR = 79; // EFTYPE on the BSDs; Linux has no such errno
int ReadOwnFile(const ustring& path, size_t max_bytes, std::string& text);

// Reads the same kind of file line by line, holding one line at a time, so
// that what the file costs is what the caller keeps of it. take gets each
// line that ends in "\n" (without it) and its number from 1; a line longer
// than max_line is skipped whole (its number counts), and a last line
// without its end was cut short and is dropped. Reading stops where take
// returns false. 0, or an errno value as ReadOwnFile gives.
using OwnFileLine = std::function<bool(const std::string& line, size_t number)>;
int ReadOwnFileLines(const ustring& path, size_t max_bytes, size_t max_line,
                     const OwnFileLine& take);

// What ReadOwnFile's result means, for a log line.
const char* OwnFileErrorText(int err);

// Makes sure nothing but a regular file of ours can be met at path, a
// temporary name the launcher is about to create: whatever else is there
// (a FIFO, a folder, a link) is removed, a folder with its contents. 0, or
// an errno value when something stays in the way.
int ClearOwnTemporaryName(const ustring& path);

#endif
