#ifndef HALVORA_VERSION_KEYS_H
#define HALVORA_VERSION_KEYS_H

#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <string>

// The group "Version" of an INFO file (the system's, a per-user copy's, a
// client tree's). The launcher and the packer read it through this one
// function, so that a value the packer accepts is the value the launcher
// compares.
struct VersionKeys {
    std::string major_version;
    std::string minor_version;
    std::string build_version;
    std::string icon_overlay_version;
};

// Reads group "Version" of the INFO at path with Qt's INI reader. A key that
// is absent leaves its field as it was, so a second read never forgets what
// the first one found. False when the file does not exist or is not a well
// formed INI file (what could be read is kept all the same).
inline bool ReadVersionKeys(const std::string& path, VersionKeys& keys)
{
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile())
        return false;
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup("Version");
    const std::pair<const char*, std::string*> fields[] = {
        {"major_version", &keys.major_version},
        {"minor_version", &keys.minor_version},
        {"build_version", &keys.build_version},
        {"icon_overlay_version", &keys.icon_overlay_version},
    };
    for (const auto& field : fields) {
        if (settings.contains(field.first))
            *field.second = settings.value(field.first).toString().toStdString();
    }
    settings.endGroup();
    return settings.status() == QSettings::NoError;
}

#endif
