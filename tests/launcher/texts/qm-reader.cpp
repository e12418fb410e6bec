#include "qm-reader.h"

#include <cstring>

namespace qmreader {

namespace {

const unsigned char kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                  0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
const uint32_t kNullText = 0xffffffffu;

// Tags inside one message record.
enum RecordTag : uint8_t {
    kEnd = 1,
    kTranslation = 3,
    kSourceText = 6,
    kContext = 7,
    kComment = 8,
};

class Cursor {
public:
    Cursor(const QByteArray& data, int pos, int end) : m_data(data), m_pos(pos), m_end(end) {}

    int pos() const { return m_pos; }
    bool atEnd() const { return m_pos >= m_end; }
    bool has(uint32_t n) const { return static_cast<uint64_t>(m_pos) + n <= uint64_t(m_end); }

    bool byte(uint8_t* out)
    {
        if (!has(1))
            return false;
        *out = static_cast<uint8_t>(m_data[m_pos++]);
        return true;
    }
    bool u32(uint32_t* out)
    {
        if (!has(4))
            return false;
        const auto* p = reinterpret_cast<const unsigned char*>(m_data.constData() + m_pos);
        *out = (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
        m_pos += 4;
        return true;
    }
    bool bytes(uint32_t n, QByteArray* out)
    {
        if (!has(n))
            return false;
        *out = m_data.mid(m_pos, static_cast<int>(n));
        m_pos += static_cast<int>(n);
        return true;
    }

private:
    const QByteArray& m_data;
    int m_pos;
    int m_end;
};

QString Utf16BigEndian(const QByteArray& raw)
{
    QString text;
    for (int i = 0; i + 1 < raw.size(); i += 2)
        text.append(QChar(static_cast<char16_t>((uint8_t(raw[i]) << 8) | uint8_t(raw[i + 1]))));
    return text;
}

QString ReadTranslation(Cursor& c, Message* msg)
{
    uint32_t len = 0;
    if (!c.u32(&len))
        return QStringLiteral("translation length cut off");
    if (len == kNullText) {
        msg->translations << QString();
        return QString();
    }
    QByteArray raw;
    if (len % 2 != 0 || !c.bytes(len, &raw))
        return QStringLiteral("bad translation length %1").arg(len);
    msg->translations << Utf16BigEndian(raw);
    return QString();
}

QString ReadLatinField(Cursor& c, QByteArray* out, bool* seen)
{
    uint32_t len = 0;
    if (!c.u32(&len) || !c.bytes(len, out))
        return QStringLiteral("field cut off");
    *seen = true;
    return QString();
}

QString ReadMessage(Cursor& c, Message* msg)
{
    for (;;) {
        uint8_t tag = 0;
        if (!c.byte(&tag))
            return QStringLiteral("record without end tag");
        QString error;
        switch (tag) {
        case kEnd:
            return QString();
        case kTranslation:
            error = ReadTranslation(c, msg);
            break;
        case kSourceText:
            error = ReadLatinField(c, &msg->source, &msg->hasSource);
            break;
        case kContext:
            error = ReadLatinField(c, &msg->context, &msg->hasContext);
            break;
        case kComment:
            error = ReadLatinField(c, &msg->comment, &msg->hasComment);
            break;
        default:
            return QStringLiteral("unexpected record tag 0x%1").arg(tag, 0, 16);
        }
        if (!error.isEmpty())
            return error;
    }
}

QString ReadMessages(const QByteArray& data, int begin, int end, QmFile* out)
{
    Cursor c(data, begin, end);
    while (!c.atEnd()) {
        Message msg;
        msg.offset = static_cast<uint32_t>(c.pos() - begin);
        const QString error = ReadMessage(c, &msg);
        if (!error.isEmpty())
            return QStringLiteral("message at offset %1: %2").arg(msg.offset).arg(error);
        out->messages.push_back(msg);
    }
    return QString();
}

QString ReadHashes(const QByteArray& data, int begin, int end, QmFile* out)
{
    if ((end - begin) % 8 != 0)
        return QStringLiteral("hash section of %1 bytes is no whole number of entries")
            .arg(end - begin);
    Cursor c(data, begin, end);
    while (!c.atEnd()) {
        HashEntry entry;
        c.u32(&entry.hash);
        c.u32(&entry.offset);
        out->hashes.push_back(entry);
    }
    return QString();
}

} // namespace

uint32_t ElfHash(const QByteArray& key)
{
    uint32_t h = 0;
    for (unsigned char ch : key) {
        h = (h << 4) + ch;
        const uint32_t g = h & 0xf0000000u;
        if (g != 0)
            h ^= g >> 24;
        h &= ~g;
    }
    return h != 0 ? h : 1;
}

QString Parse(const QByteArray& data, QmFile* out)
{
    if (data.size() < 16 || memcmp(data.constData(), kMagic, sizeof kMagic) != 0)
        return QStringLiteral("no .qm magic");
    Cursor c(data, 16, data.size());
    while (!c.atEnd()) {
        uint8_t tag = 0;
        uint32_t len = 0;
        if (!c.byte(&tag) || !c.u32(&len) || !c.has(len))
            return QStringLiteral("section header at %1 cut off").arg(c.pos());
        out->sectionTags.push_back(tag);
        const int begin = c.pos();
        const int end = begin + static_cast<int>(len);
        QString error;
        if (tag == kHashes)
            error = ReadHashes(data, begin, end, out);
        else if (tag == kMessages)
            error = ReadMessages(data, begin, end, out);
        if (!error.isEmpty())
            return error;
        QByteArray skipped;
        c.bytes(len, &skipped);
    }
    return QString();
}

} // namespace qmreader
