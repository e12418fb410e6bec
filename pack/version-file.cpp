#include "version-file.h"

#include <QString>

namespace pack {

bool SameBuild(const std::string& a, const std::string& b)
{
    bool ok_a = false;
    bool ok_b = false;
    qlonglong number_a = QString::fromStdString(a).trimmed().toLongLong(&ok_a);
    qlonglong number_b = QString::fromStdString(b).trimmed().toLongLong(&ok_b);
    return ok_a && ok_b && number_a == number_b;
}

// Written by hand rather than through QSettings, which would order the keys
// by name: the file is read by people too.
std::string SystemInfoText(const VersionKeys& keys, const PackageFacts& facts)
{
    return "[Version]\n"
           "major_version=" + keys.major_version + "\n"
           "minor_version=" + keys.minor_version + "\n"
           "build_version=" + keys.build_version + "\n"
           "icon_overlay_version=" + keys.icon_overlay_version + "\n"
           "\n"
           "[Package]\n"
           "entries=" + std::to_string(facts.entries) + "\n"
           "unpacked_size=" + std::to_string(facts.unpacked_size) + "\n"
           "xxh3_128=" + facts.xxh3_128 + "\n";
}

} // namespace pack
