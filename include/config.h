#ifndef HALVORA_CONFIG_H
#define HALVORA_CONFIG_H

#include <climits>
#include <cstdio>
#include <map>
#include <string>

#include "ustring/ustring.h"

// Reader of plain "key = value" files (the logger's levels file, the client's
// pid file). Lines are read into a fixed buffer and classified one by one;
// one malformed line makes the whole file untrustworthy, so it empties the
// store. Callers log failures; the reader itself stays silent.
class Config {
public:
    enum LineKind { OK = 0, EMPTY = 1, INVALID = 2 };
    typedef std::map<ustring, ustring> Store;
    typedef Store::const_iterator const_iterator;

    Config() {}
    ~Config() {}

    // Adds the file's entries to the store (later keys replace earlier ones).
    // Returns 0, or -1 for an empty path, an unopenable file, a read error or
    // a malformed line. A malformed line empties the store; otherwise the
    // entries read before the failure stay.
    int read(const ustring& path)
    {
        if (path.empty())
            return -1;
        // Close-on-exec: the launcher starts other programs, which must not
        // inherit a file it happens to be reading.
        FILE* fp = fopen(path.c_str_utf8(), "re");
        if (!fp)
            return -1;
        int result = 0;
        char line[kLineBufferSize];
        // A line longer than the buffer arrives in pieces; each piece is
        // classified on its own.
        while (fgets(line, sizeof line, fp)) {
            if (!take(line)) {
                result = -1;
                break;
            }
        }
        // A read error (a directory, a failing disk) is no file read to its end.
        if (result == 0 && ferror(fp))
            result = -1;
        fclose(fp);
        return result;
    }

    // The same for contents already read (a file read without blocking and
    // within a bound), cut into pieces as read() cuts a file.
    int read_text(const std::string& text)
    {
        char line[kLineBufferSize];
        size_t pos = 0;
        while (pos < text.size()) {
            size_t len = 0;
            while (len < sizeof line - 1 && pos < text.size()) {
                line[len++] = text[pos];
                if (text[pos++] == '\n')
                    break;
            }
            line[len] = '\0';
            if (!take(line))
                return -1;
        }
        return 0;
    }

    // An absent key is inserted with an empty value.
    ustring& operator[](const ustring& key) { return store[key]; }

    // The value read as a decimal int the way a stream extraction reads one:
    // leading white space, an optional sign, digits up to the first other
    // byte; 0 when no digit follows. Numbers beyond int saturate at INT_MAX
    // or INT_MIN, so a huge level still means "everything" rather than
    // wrapping round to a negative one.
    int get_int(const ustring& key)
    {
        const ustring& text = store[key];
        size_t pos = 0;
        while (pos < text.length() && is_space(static_cast<unsigned char>(text[pos])))
            ++pos;
        bool negative = false;
        if (pos < text.length() && (text[pos] == '+' || text[pos] == '-')) {
            negative = text[pos] == '-';
            ++pos;
        }
        // Accumulated towards the sign's side so that INT_MIN itself fits.
        const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
        long long magnitude = 0;
        for (; pos < text.length() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
            magnitude = magnitude * 10 + (text[pos] - '0');
            if (magnitude > limit) {
                magnitude = limit;
                break;
            }
        }
        return static_cast<int>(negative ? -magnitude : magnitude);
    }

    const_iterator begin() const { return store.begin(); }
    const_iterator end() const { return store.end(); }

private:
    static const int kLineBufferSize = 8192;

    // Stores one piece's entry; false, with the store emptied, for a
    // malformed piece.
    bool take(char* line)
    {
        ustring key;
        ustring value;
        int kind = parse(line, key, value);
        if (kind == OK)
            store[key] = value;
        else if (kind == INVALID)
            store.clear();
        return kind != INVALID;
    }

    // Classifies one NUL-terminated line in place; for OK, key and value
    // receive the texts (the line is cut with NULs behind each of them).
    int parse(char* line, ustring& key, ustring& value)
    {
        unsigned char* p = reinterpret_cast<unsigned char*>(line);
        p = skip_spaces(p);
        unsigned char* key_begin = p;
        while (is_key_char(*p))
            ++p;
        unsigned char* key_end = p;
        if (*p == '#' || *p == '\0')
            return EMPTY;

        p = skip_spaces(p);
        if (*p != '=')
            return INVALID;
        p = skip_spaces(p + 1);
        if (*p == '\0')
            return INVALID;

        unsigned char delimiter = ' ';
        bool quoted = *p == '"' || *p == '\'';
        if (quoted)
            delimiter = *p++;
        unsigned char* value_begin = p;
        while (is_value_char(*p) && *p != delimiter)
            ++p;
        unsigned char* value_end = p;
        if (quoted) {
            if (*p != delimiter)
                return INVALID;
            ++p;
        }

        p = skip_spaces(p);
        if (*p != '\0' && *p != '#')
            return INVALID;

        *key_end = '\0';
        *value_end = '\0';
        key = reinterpret_cast<const char*>(key_begin);
        value = reinterpret_cast<const char*>(value_begin);
        return OK;
    }

    static unsigned char* skip_spaces(unsigned char* p)
    {
        while (is_space(*p))
            ++p;
        return p;
    }

    static bool is_key_char(unsigned char c)
    {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               c == '-' || c == '_' || c == '.';
    }

    static bool is_value_char(unsigned char c) { return c >= 0x20 && c != 0x7F; }

    static bool is_space(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == ' '; }

    Store store;
};

#endif
