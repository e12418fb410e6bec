#include "thread-locale.h"

namespace {

// Made once and kept for the life of the process: every unpack uses it.
locale_t Utf8CLocale()
{
    static const locale_t locale = [] {
        locale_t made = newlocale(LC_ALL_MASK, "C.UTF-8", nullptr);
        return made ? made : newlocale(LC_ALL_MASK, "C.utf8", nullptr);
    }();
    return locale;
}

} // namespace

Utf8NamesOnThisThread::Utf8NamesOnThisThread()
{
    locale_t utf8 = Utf8CLocale();
    if (utf8)
        previous = uselocale(utf8);
}

Utf8NamesOnThisThread::~Utf8NamesOnThisThread()
{
    if (previous)
        uselocale(previous);
}
