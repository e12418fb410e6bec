#ifndef HALVORA_PACK_PACK_H
#define HALVORA_PACK_PACK_H

#include <string>
#include <vector>

#include "pack-options.h"

namespace pack {

// Checks the client tree, then writes OUTDIR/package/halvora.hpk and the
// system OUTDIR/INFO, the INFO renamed into place after the package. Returns
// the exit code: 0, or 1 with every problem found in problems, one line each
// that names the offending path. A failed run leaves nothing it made: no
// temporary file, no folder it created (OUTDIR and its parents included).
int RunPack(const PackOptions& options, std::vector<std::string>* problems);

} // namespace pack

#endif
