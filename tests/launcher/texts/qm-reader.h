#ifndef HALVORA_QM_READER_H
#define HALVORA_QM_READER_H

// A reader of compiled Qt translation files, independent of QTranslator, so
// that the tests see what the files hold and not what Qt makes of them.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace qmreader {

enum SectionTag : uint8_t {
    kHashes = 0x42,
    kMessages = 0x69,
    kContexts = 0x2f,
    kNumerusRules = 0x88,
    kDependencies = 0x96,
    kLanguage = 0xa7,
};

struct Message {
    uint32_t offset = 0; // position in the message section
    QByteArray context;
    QByteArray source;
    QByteArray comment;
    QStringList translations;
    bool hasContext = false;
    bool hasSource = false;
    bool hasComment = false;
};

struct HashEntry {
    uint32_t hash = 0;
    uint32_t offset = 0;
};

struct QmFile {
    std::vector<uint8_t> sectionTags; // in file order
    std::vector<HashEntry> hashes;
    std::vector<Message> messages;
};

// Parses a whole file. Returns an empty string on success, otherwise what is
// wrong and where.
QString Parse(const QByteArray& data, QmFile* out);

// The hash under which QTranslator looks a message up.
uint32_t ElfHash(const QByteArray& key);

} // namespace qmreader

#endif
