#include "tmp_name_gen.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/time.h>
#include <utility>

namespace {

const char kNameAlphabet[] =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
const int kNameLength = 8;

// Three random bytes become four characters, six bits each, high bits first.
void EncodeTriple(const unsigned char* in, char* out)
{
    out[0] = kNameAlphabet[in[0] >> 2];
    out[1] = kNameAlphabet[((in[0] & 3) << 4) | (in[1] >> 4)];
    out[2] = kNameAlphabet[((in[1] & 15) << 2) | (in[2] >> 6)];
    out[3] = kNameAlphabet[in[2] & 63];
}

} // namespace

pthread_mutex_t TmpNameGen::m_lock = PTHREAD_MUTEX_INITIALIZER;

TmpNameGen& TmpNameGen::getInstance()
{
    // Function-local statics are initialised exactly once, even when several
    // threads ask for the first time together.
    static TmpNameGen instance;
    return instance;
}

TmpNameGen::TmpNameGen() : m_s_box(), m_key(), m_buffer()
{
    get_key(m_key, sizeof(m_key));
    rc4_init(m_s_box, m_key);
}

TmpNameGen::~TmpNameGen() {}

ustring TmpNameGen::getTmpName()
{
    char name[kNameLength + 1];
    lock();
    rc4_randomize(m_s_box, m_buffer, sizeof(m_buffer));
    EncodeTriple(m_buffer, name);
    EncodeTriple(m_buffer + 3, name + 4);
    unlock();
    name[kNameLength] = '\0';
    return ustring(name);
}

ustring TmpNameGen::getTmpPath(const ustring& prefix)
{
    return prefix + "/" + getTmpName();
}

void TmpNameGen::get_key(unsigned char* key, size_t len)
{
    struct timeval now;
    gettimeofday(&now, nullptr);
    snprintf(reinterpret_cast<char*>(key), len, "%lu-%lu", static_cast<unsigned long>(now.tv_sec),
             static_cast<unsigned long>(now.tv_usec));
}

void TmpNameGen::rc4_init(unsigned char* S, unsigned char* key)
{
    for (int i = 0; i < 256; ++i)
        S[i] = static_cast<unsigned char>(i);
    if (key[0] == 0) {
        srand(static_cast<unsigned>(time(nullptr)));
        for (int i = 0; i < 256; ++i)
            key[i] = static_cast<unsigned char>(rand() & 0xff);
    }
    // The whole 256-byte key takes part, trailing zeros included.
    unsigned j = 0;
    for (int i = 0; i < 256; ++i) {
        j = (j + S[i] + key[i]) & 0xff;
        std::swap(S[i], S[j]);
    }
}

void TmpNameGen::rc4_randomize(unsigned char* S, unsigned char* buffer, int length)
{
    // The indexes start afresh on every call; only the permutation carries
    // state from one name to the next.
    unsigned j = 0;
    for (int k = 0; k < length; ++k) {
        unsigned i = static_cast<unsigned>(k + 1) & 0xff;
        j = (j + S[i]) & 0xff;
        std::swap(S[i], S[j]);
        buffer[k] = S[(S[i] + S[j]) & 0xff];
    }
}

void TmpNameGen::lock() { pthread_mutex_lock(&m_lock); }

void TmpNameGen::unlock() { pthread_mutex_unlock(&m_lock); }
