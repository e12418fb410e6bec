#ifndef HALVORA_PACK_CLIENT_TREE_MAKER_H
#define HALVORA_PACK_CLIENT_TREE_MAKER_H

#include <functional>
#include <string>
#include <vector>

namespace packtest {

// A client tree the packer accepts: INFO of the build, the stand-in client
// and its start script (the real ones, so the launcher can run them), a
// nested library folder with a link inside the tree and a second (hard)
// link to the library, an empty folder, an empty file, a name with blanks and
// non-ASCII letters, and "é" twice in one folder: share/\xc3\xa9 (composed)
// and share/e\xcc\x81 (decomposed). With big_bytes,
// lib/big.dat holds that many compressible bytes.
void MakeClientTree(const std::string& dir, int build, size_t big_bytes = 0);

// What the tree holds, in the order the packer must write it: depth first,
// each folder's names in byte order.
std::vector<std::string> SortedWalk(const std::string& dir);

// Runs halvora-pack with args; its standard error is returned in err.
// before_exec runs in the child first (limits, say).
int RunPackTool(const std::vector<std::string>& args, std::string* err,
                const std::function<void()>& before_exec = nullptr);

} // namespace packtest

#endif
