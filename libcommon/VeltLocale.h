#ifndef HALVORA_VELTLOCALE_H
#define HALVORA_VELTLOCALE_H

#include <QString>
#include <QStringList>

// The user-interface language, chosen once per run from the system locale.
// A language is a three-letter code that names a compiled-in translation
// ":/<code>.qm"; its position in the fixed list of 20 codes is its id.
class VeltLocale {
public:
    // One of the 20 codes; "enu" when the locale is not covered or its
    // translation is not compiled in.
    static QString getDefaultLanguage();
    // True when ":/<code>.qm" exists among the resources.
    static bool isLanguageInstalled(const QString& code);
    // "enu", the language every run can fall back to.
    static QString getStrLanguageFallSafe();
    // The code with this id (0 to 19), or an empty string for any other id.
    static QString getLanguageAbbrByID(int id);
    // The 20 codes in id order, "enu" first and "csy" last.
    static QStringList getSupportedLanguages();
};

#endif
