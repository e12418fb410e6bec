#ifndef HALVORA_USTRING_H
#define HALVORA_USTRING_H

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

// UTF-8 string with a UTF-16 copy built on demand. Positions and lengths
// count bytes of the UTF-8 text, except in the UTF-16 operations.
class ustring {
public:
    typedef uint16_t uchar16_t;
    enum normalization_form : int32_t { NFC = 0, NFD = 1 };
    static const size_t npos = static_cast<size_t>(-1);

    ustring();
    ustring(const char* str_utf8);
    ustring(const uchar16_t* str_utf16);
    ustring(const std::string& str);
    ustring(char c);
    ustring(const ustring& str);
    ~ustring();

    const char* c_str() const { return data; }
    const char* c_str_utf8() const { return data; }
    const uchar16_t* c_str_utf16() const;
    size_t length() const { return data_len; }
    size_t size() const { return data_len; }
    bool empty() const { return data_len == 0; }
    const char& operator[](size_t pos) const { return data[pos]; }
    // Writing through this changes the UTF-8 text, so the UTF-16 copy goes.
    char& operator[](size_t pos) { clear_wdata(); return data[pos]; }

    ustring& append(const char* s);
    ustring& append(const char* s, size_t len);
    ustring& append(const std::string& x, size_t pos = 0, size_t len = npos);
    ustring& append(const ustring& x, size_t pos = 0, size_t len = npos);
    ustring& append(char c, size_t n);
    ustring& append(const uchar16_t* s);
    ustring& append(const uchar16_t* s, size_t len);
    ustring& append(uchar16_t c, size_t n);

    ustring& assign(const char* s);
    ustring& assign(const char* s, size_t len);
    ustring& assign(const std::string& x, size_t pos = 0, size_t len = npos);
    ustring& assign(const ustring& x, size_t pos = 0, size_t len = npos);
    ustring& assign(char c, size_t n);
    ustring& assign(const uchar16_t* s);
    ustring& assign(const uchar16_t* s, size_t len);
    ustring& assign(uchar16_t c, size_t n);

    ustring& operator=(const char* s);
    ustring& operator=(const std::string& x);
    ustring& operator=(const ustring& x);
    ustring& operator=(char c);
    ustring& operator=(const uchar16_t* s);
    ustring& operator=(uchar16_t c);

    ustring& operator+=(const char* s);
    ustring& operator+=(const std::string& x);
    ustring& operator+=(const ustring& x);
    ustring& operator+=(char c);
    ustring& operator+=(const uchar16_t* s);
    ustring& operator+=(uchar16_t c);

    ustring& clear();
    ustring substr(size_t start = 0, size_t len = npos) const;

    size_t find(const char* s, size_t pos = 0) const;
    size_t find(const std::string& s, size_t pos = 0) const;
    size_t find(const ustring& s, size_t pos = 0) const;
    size_t find(char c, size_t pos = 0) const;
    size_t rfind(const char* s, size_t pos = npos) const;
    size_t rfind(const std::string& s, size_t pos = npos) const;
    size_t rfind(const ustring& s, size_t pos = npos) const;
    size_t rfind(char c, size_t pos = npos) const;
    size_t find_first_of(const char* s, size_t pos = 0) const;
    size_t find_first_of(const std::string& s, size_t pos = 0) const;
    size_t find_first_of(const ustring& s, size_t pos = 0) const;
    size_t find_first_of(char c, size_t pos = 0) const;
    size_t find_first_not_of(const char* s, size_t pos = 0) const;
    size_t find_first_not_of(const std::string& s, size_t pos = 0) const;
    size_t find_first_not_of(const ustring& s, size_t pos = 0) const;
    size_t find_first_not_of(char c, size_t pos = 0) const;
    size_t find_last_of(const char* s, size_t pos = npos) const;
    size_t find_last_of(const std::string& s, size_t pos = npos) const;
    size_t find_last_of(const ustring& s, size_t pos = npos) const;
    size_t find_last_of(char c, size_t pos = npos) const;
    size_t find_last_not_of(const char* s, size_t pos = npos) const;
    size_t find_last_not_of(const std::string& s, size_t pos = npos) const;
    size_t find_last_not_of(const ustring& s, size_t pos = npos) const;
    size_t find_last_not_of(char c, size_t pos = npos) const;

    ustring& ltrim(const char* list);
    ustring& ltrim(const ustring& list);
    ustring& rtrim(const char* list);
    ustring& rtrim(const ustring& list);
    ustring& trim(const char* list);
    ustring& trim(const ustring& list);

    ustring& replace(char c1, char c2);
    void swap(ustring& s);

    int compare(const ustring& str) const;
    int compare(const ustring& str, size_t n) const;
    static int compare(const ustring& a, const ustring& b, bool caseless);

    static ustring normalize(const ustring& x, normalization_form n);
    ustring normalize(normalization_form n) const;
    static bool is_valid(const ustring& x);

protected:
    char* data;
    size_t data_len;
    size_t data_cap;
    mutable uchar16_t* wdata;
    mutable size_t wdata_len;
    mutable size_t wdata_cap;

    void realloc_data(size_t n);
    void realloc_wdata(size_t n) const;
    void clear_data();
    void clear_wdata() const;
    void init();
    int convert_from_data() const;
    int convert_from_wdata();
};

void swap(ustring& a, ustring& b);

ustring operator+(const ustring& a, const ustring& b);
ustring operator+(const ustring& a, const char* b);
ustring operator+(const ustring& a, char b);
ustring operator+(const ustring& a, const ustring::uchar16_t* b);
ustring operator+(const ustring& a, ustring::uchar16_t b);

bool operator<(const ustring& a, const ustring& b);
bool operator>(const ustring& a, const ustring& b);
bool operator==(const ustring& a, const ustring& b);
bool operator!=(const ustring& a, const ustring& b);

std::ostream& operator<<(std::ostream& os, const ustring& s);
std::istream& operator>>(std::istream& is, ustring& s);

#endif
