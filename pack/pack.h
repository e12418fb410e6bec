#ifndef HALVORA_PACK_PACK_H
#define HALVORA_PACK_PACK_H

#include <string>

#include "pack-options.h"

namespace pack {

// Checks the client tree, then writes OUTDIR/package/halvora.hpk and the
// system OUTDIR/INFO. Returns the exit code: 0, or 1 with one line in error
// that names the offending path. Nothing half-written is left in OUTDIR.
int RunPack(const PackOptions& options, std::string* error);

} // namespace pack

#endif
