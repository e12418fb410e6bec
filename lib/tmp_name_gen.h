#ifndef HALVORA_TMP_NAME_GEN_H
#define HALVORA_TMP_NAME_GEN_H

#include <cstddef>
#include <pthread.h>

#include "ustring/ustring.h"

// Short random names for temporary files and folders. One process-wide
// instance, keyed once from the time of first use; it only makes names and
// never looks at the disk, so a caller that creates the file handles a clash.
class TmpNameGen {
public:
    static TmpNameGen& getInstance();

    // Eight characters of [0-9a-zA-Z-_].
    ustring getTmpName();
    // prefix + "/" + getTmpName().
    ustring getTmpPath(const ustring& prefix);

    ~TmpNameGen();
    TmpNameGen(const TmpNameGen&) = delete;
    TmpNameGen& operator=(const TmpNameGen&) = delete;

private:
    TmpNameGen();

    void get_key(unsigned char* key, size_t len);
    void rc4_init(unsigned char* S, unsigned char* key);
    void rc4_randomize(unsigned char* S, unsigned char* buffer, int length);
    void lock();
    void unlock();

    unsigned char m_s_box[256];
    unsigned char m_key[256];
    unsigned char m_buffer[6];

    static pthread_mutex_t m_lock;
};

#endif
