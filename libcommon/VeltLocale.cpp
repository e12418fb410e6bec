#include "VeltLocale.h"

#include <QFile>
#include <QLocale>
#include <QMap>
#include <QMessageLogger>

namespace {

// Position = language id; the null entry ends the table.
const char* const grgszLanguages[] = {
    "enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb", "rus",
    "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy", nullptr,
};
const unsigned kLanguageCount = 20;
static_assert(sizeof(grgszLanguages) / sizeof(grgszLanguages[0]) == kLanguageCount + 1,
              "20 codes and the end marker");

const QString qstrLanguageFallSafe = QStringLiteral("enu");

// The traces keep the location they have always carried, so that people and
// scripts reading them see the same file, line and function in every build.
const char kTraceFile[] = "../libcommon/VeltLocale";
const char kGetDefaultLanguage[] = "QString VeltLocale::getDefaultLanguage()";
const char kIsLanguageInstalled[] = "bool VeltLocale::isLanguageInstalled(const QString&)";
enum TraceLine {
    kTraceLocaleRead = 64,
    kTraceListsReady = 80,
    kTraceLanguageChosen = 138,
    kTraceFileFound = 161,
};

void TraceValue(int line, const char* function, const char* label, const QString& value)
{
    QMessageLogger(kTraceFile, line, function)
        .debug("%s:%d %s=[%s] ", kTraceFile, line, label, value.toLocal8Bit().constData());
}

// Same as TraceValue, with a line break before the closing bracket.
void TraceValueBroken(int line, const char* function, const char* label, const QString& value)
{
    QMessageLogger(kTraceFile, line, function)
        .debug("%s:%d %s=[%s\n] ", kTraceFile, line, label, value.toLocal8Bit().constData());
}

QMap<QString, QString> BuildPrefixMap()
{
    QMap<QString, QString> mapLangByPrefix;
    mapLangByPrefix.insert(QStringLiteral("en"), QStringLiteral("enu"));
    mapLangByPrefix.insert(QStringLiteral("zh"), QStringLiteral("chs"));
    mapLangByPrefix.insert(QStringLiteral("ja"), QStringLiteral("jpn"));
    mapLangByPrefix.insert(QStringLiteral("de"), QStringLiteral("deu"));
    mapLangByPrefix.insert(QStringLiteral("ko"), QStringLiteral("krn"));
    mapLangByPrefix.insert(QStringLiteral("fr"), QStringLiteral("fra"));
    mapLangByPrefix.insert(QStringLiteral("it"), QStringLiteral("ita"));
    mapLangByPrefix.insert(QStringLiteral("es"), QStringLiteral("esn"));
    mapLangByPrefix.insert(QStringLiteral("pt"), QStringLiteral("ptb"));
    mapLangByPrefix.insert(QStringLiteral("ru"), QStringLiteral("rus"));
    mapLangByPrefix.insert(QStringLiteral("da"), QStringLiteral("dan"));
    mapLangByPrefix.insert(QStringLiteral("no"), QStringLiteral("nor"));
    mapLangByPrefix.insert(QStringLiteral("nb"), QStringLiteral("nor"));
    mapLangByPrefix.insert(QStringLiteral("nn"), QStringLiteral("nor"));
    mapLangByPrefix.insert(QStringLiteral("sv"), QStringLiteral("sve"));
    mapLangByPrefix.insert(QStringLiteral("nl"), QStringLiteral("nld"));
    mapLangByPrefix.insert(QStringLiteral("pl"), QStringLiteral("plk"));
    mapLangByPrefix.insert(QStringLiteral("hu"), QStringLiteral("hun"));
    mapLangByPrefix.insert(QStringLiteral("tr"), QStringLiteral("trk"));
    mapLangByPrefix.insert(QStringLiteral("cs"), QStringLiteral("csy"));
    return mapLangByPrefix;
}

// Lists of whole locale names end with an empty name.
bool ListHolds(const QString* names, const QString& localeName)
{
    for (; !names->isEmpty(); ++names) {
        if (*names == localeName)
            return true;
    }
    return false;
}

} // namespace

QString VeltLocale::getDefaultLanguage()
{
    const QString qstrLocaleLower = QLocale::system().name().toLower();
    TraceValueBroken(kTraceLocaleRead, kGetDefaultLanguage, "qPrintable(qstrLocaleLower)",
                     qstrLocaleLower);

    // Regional variants that a language prefix alone would send elsewhere.
    const QString rgqstrChtLocales[] = {QStringLiteral("zh_tw"), QStringLiteral("zh_hk"),
                                        QStringLiteral("zh_mo"), QString()};
    const QString rgqstrPtgLocales[] = {QStringLiteral("pt"), QStringLiteral("pt_pt"), QString()};
    TraceValue(kTraceListsReady, kGetDefaultLanguage, "qPrintable(qstrLocaleLower)",
               qstrLocaleLower);

    const QString qstrLocalePrefix = qstrLocaleLower.section(QLatin1Char('_'), 0, 0);
    const QMap<QString, QString> mapLangByPrefix = BuildPrefixMap();

    QString qstrDef;
    if (ListHolds(rgqstrChtLocales, qstrLocaleLower))
        qstrDef = QStringLiteral("cht");
    else if (ListHolds(rgqstrPtgLocales, qstrLocaleLower))
        qstrDef = QStringLiteral("ptg");
    // A locale that nothing covers gets the English code.
    if (qstrDef.isEmpty())
        qstrDef = mapLangByPrefix.value(qstrLocalePrefix,
                                        mapLangByPrefix.value(QStringLiteral("en")));

    if (!isLanguageInstalled(qstrDef))
        qstrDef = qstrLanguageFallSafe;
    TraceValueBroken(kTraceLanguageChosen, kGetDefaultLanguage, "qPrintable(qstrDef)", qstrDef);
    return qstrDef;
}

bool VeltLocale::isLanguageInstalled(const QString& code)
{
    const QString qstrLangFileName = QStringLiteral(":/") + code + QStringLiteral(".qm");
    if (!QFile(qstrLangFileName).exists())
        return false;
    TraceValue(kTraceFileFound, kIsLanguageInstalled, "qPrintable(qstrLangFileName)",
               qstrLangFileName);
    return true;
}

QString VeltLocale::getStrLanguageFallSafe()
{
    return qstrLanguageFallSafe;
}

QString VeltLocale::getLanguageAbbrByID(int id)
{
    // Negative ids wrap to large unsigned values and fail the same test.
    const unsigned position = static_cast<unsigned>(id);
    if (position > kLanguageCount || !grgszLanguages[position])
        return QString();
    return QString::fromLatin1(grgszLanguages[position]);
}

QStringList VeltLocale::getSupportedLanguages()
{
    QStringList codes;
    for (const char* const* entry = grgszLanguages; *entry; ++entry)
        codes.append(QString::fromLatin1(*entry));
    return codes;
}
