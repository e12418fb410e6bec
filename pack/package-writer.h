#ifndef HALVORA_PACK_PACKAGE_WRITER_H
#define HALVORA_PACK_PACKAGE_WRITER_H

#include <string>
#include <vector>

#include "client-tree.h"
#include "pack-options.h"
#include "version-file.h"

namespace pack {

// Every entry carries this time: nothing of the packing machine's clock or
// the files' history goes into the package (2020-01-01 00:00:00 UTC).
const long kEntryTime = 1577836800;

// Writes the entries, in their order, as a tar archive in `format` to the
// open file fd (named `package` in messages), and fills facts (entry count,
// unpacked size, checksum of the written file). Owner and group are 0 without
// names; files are 0755 when executable and 0644 otherwise, directories 0755.
// False with one line in error that names the entry or the package.
bool WritePackage(const std::vector<TreeEntry>& entries, PackFormat format, int fd,
                  const std::string& package, PackageFacts* facts, std::string* error);

} // namespace pack

#endif
