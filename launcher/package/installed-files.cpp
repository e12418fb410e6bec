#include "installed-files.h"

#include <cstring>

std::string RecordName(const char* path)
{
    std::string name;
    for (const char* element = path; *element;) {
        const char* end = strchr(element, '/');
        size_t length = end ? static_cast<size_t>(end - element) : strlen(element);
        bool dot = length == 1 && element[0] == '.';
        if (length > 0 && !dot) {
            if (!name.empty())
                name += '/';
            name.append(element, length);
        }
        if (!end)
            break;
        element = end + 1;
    }
    return name;
}
