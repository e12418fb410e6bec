#ifndef HALVORA_THREAD_LOCALE_H
#define HALVORA_THREAD_LOCALE_H

#include <locale.h>

// While it lives, the calling thread (and only it) runs under the C locale
// with UTF-8 characters, so that the archive library turns entry names into
// the same bytes whatever locale the user runs: a pax or zip name stored as
// UTF-8 no longer fails to convert under LANG=C. Other threads keep theirs.
class Utf8NamesOnThisThread {
public:
    Utf8NamesOnThisThread();
    ~Utf8NamesOnThisThread();
    Utf8NamesOnThisThread(const Utf8NamesOnThisThread&) = delete;
    Utf8NamesOnThisThread& operator=(const Utf8NamesOnThisThread&) = delete;

    // False when the system has no UTF-8 C locale; the thread's locale is
    // then left as it was.
    bool Active() const { return previous != nullptr; }

private:
    locale_t previous = nullptr;
};

#endif
