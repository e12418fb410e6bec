#ifndef HALVORA_LOG_PLACE_H
#define HALVORA_LOG_PLACE_H

// The installation service writes its lines from several files under one
// tag, "halvora-service", and support tools read a tag and a number as one
// place in the code. Each file therefore numbers its lines in a block of a
// thousand of its own: the number logged is the block plus the source line.
namespace logplace {

const int kServiceVersions = 0; // halvora-service.cpp
const int kServiceInstall = 1000;
const int kServiceCopy = 2000;
const int kServiceCheck = 3000;
const int kPackageMetadata = 4000; // package-metadata.cpp
// The extractor's checks of entries, logged under the extractor's tag.
const int kEntryGuards = 5000; // entry-guards.cpp
const int kServiceNewCopy = 6000;

} // namespace logplace

#endif
