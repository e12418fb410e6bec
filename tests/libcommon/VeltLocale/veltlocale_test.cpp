// The language choice from the system locale. Qt reads the locale from the
// environment once per process, so every locale case runs the probe in a
// child process and reads what it printed and traced.
#include <QLocale>
#include <QProcess>
#include <QProcessEnvironment>
#include <cctype>
#include <climits>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

#include "VeltLocale.h"
#include "strtab.h"
#include "texts-expectations.h"

namespace {

const char kTraceFile[] = "../libcommon/VeltLocale";

struct ProbeResult {
    bool finished = false;
    int exitCode = -1;
    QStringList lines; // code, installed flag, text
    QString err;
};

ProbeResult RunProbe(const QString& locale, const QStringList& args = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& key : env.keys()) {
        if (key.startsWith(QLatin1String("LC_")) || key == QLatin1String("LANG") ||
            key == QLatin1String("LANGUAGE"))
            env.remove(key);
    }
    // Debug output exactly as Qt's default handler writes it, on stderr.
    env.remove(QStringLiteral("QT_MESSAGE_PATTERN"));
    env.remove(QStringLiteral("QT_LOGGING_RULES"));
    env.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    env.insert(QStringLiteral("LANG"), locale);
    env.insert(QStringLiteral("LC_ALL"), locale);

    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(LOCALE_PROBE), args);
    ProbeResult result;
    result.finished = probe.waitForFinished(30000);
    result.exitCode = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
    result.lines = QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'));
    result.err = QString::fromLocal8Bit(probe.readAllStandardError());
    return result;
}

QString Trace(int line, const char* label, const QString& value, bool broken)
{
    return QStringLiteral("%1:%2 %3=[%4%5] \n")
        .arg(QLatin1String(kTraceFile))
        .arg(line)
        .arg(QLatin1String(label))
        .arg(value)
        .arg(broken ? QStringLiteral("\n") : QString());
}

// What a run under a covered locale writes: the locale twice, the file that
// was found, and the choice.
QString ExpectedTraces(const QString& localeLower, const QString& code, bool fileFound)
{
    QString traces = Trace(64, "qPrintable(qstrLocaleLower)", localeLower, true) +
                     Trace(80, "qPrintable(qstrLocaleLower)", localeLower, false);
    if (fileFound)
        traces += Trace(161, "qPrintable(qstrLangFileName)",
                        QStringLiteral(":/") + code + QStringLiteral(".qm"), false);
    return traces + Trace(138, "qPrintable(qstrDef)", code, true);
}

struct LocaleCase {
    const char* locale;      // LANG and LC_ALL
    const char* localeLower; // Qt's name of it, lower-cased
    const char* code;
};

void PrintTo(const LocaleCase& c, std::ostream* os)
{
    *os << c.locale;
}

std::string LocaleCaseName(const testing::TestParamInfo<LocaleCase>& info)
{
    std::string name = info.param.locale;
    for (char& ch : name) {
        if (!isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    }
    return name;
}

class LocaleChoiceTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleChoiceTest, PicksTheLanguageAndShowsItsText)
{
    const LocaleCase& c = GetParam();
    const QString code = QString::fromLatin1(c.code);
    const ProbeResult run = RunProbe(QString::fromLatin1(c.locale));
    ASSERT_TRUE(run.finished) << c.locale << ": probe did not finish";
    ASSERT_EQ(run.exitCode, 0) << c.locale << ": " << run.err.toStdString();
    ASSERT_GE(run.lines.size(), 3) << c.locale << ": short output";

    EXPECT_EQ(run.lines[0], code) << "under " << c.locale;
    EXPECT_EQ(run.lines[1], QStringLiteral("1")) << c.locale << ": translator not installed";
    EXPECT_EQ(run.lines[2], textsexpect::PreparingText(code)) << "under " << c.locale;

    const QString traces = ExpectedTraces(QString::fromLatin1(c.localeLower), code, true);
    EXPECT_TRUE(run.err.contains(traces)) << c.locale << ": expected traces\n"
                                          << traces.toStdString() << "got\n"
                                          << run.err.toStdString();
    EXPECT_EQ(run.err.count(QLatin1String(kTraceFile)), 4) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleChoiceTest,
    testing::Values(LocaleCase{"zh_TW", "zh_tw", "cht"}, LocaleCase{"zh_HK", "zh_hk", "cht"},
                    LocaleCase{"zh_MO", "zh_mo", "cht"}, LocaleCase{"zh_CN", "zh_cn", "chs"},
                    LocaleCase{"zh_SG", "zh_sg", "chs"}, LocaleCase{"pt_PT", "pt_pt", "ptg"},
                    LocaleCase{"pt_BR", "pt_br", "ptb"}, LocaleCase{"nb_NO", "nb_no", "nor"},
                    LocaleCase{"nn_NO", "nn_no", "nor"}, LocaleCase{"sv_FI", "sv_fi", "sve"},
                    LocaleCase{"de_DE", "de_de", "deu"}, LocaleCase{"de_DE.UTF-8", "de_de", "deu"},
                    LocaleCase{"fi_FI", "fi_fi", "enu"}, LocaleCase{"C", "c", "enu"},
                    LocaleCase{"en_GB", "en_gb", "enu"}, LocaleCase{"en_US", "en_us", "enu"},
                    LocaleCase{"ja_JP", "ja_jp", "jpn"}, LocaleCase{"ko_KR", "ko_kr", "krn"},
                    LocaleCase{"fr_CA", "fr_ca", "fra"}, LocaleCase{"it_IT", "it_it", "ita"},
                    LocaleCase{"es_MX", "es_mx", "esn"}, LocaleCase{"ru_RU", "ru_ru", "rus"},
                    LocaleCase{"da_DK", "da_dk", "dan"}, LocaleCase{"nl_BE", "nl_be", "nld"},
                    LocaleCase{"pl_PL", "pl_pl", "plk"}, LocaleCase{"hu_HU", "hu_hu", "hun"},
                    LocaleCase{"tr_TR", "tr_tr", "trk"}, LocaleCase{"cs_CZ", "cs_cz", "csy"}),
    LocaleCaseName);

// A covered locale whose translation is not compiled in falls back to
// English, and no translator is installed.
TEST(LocaleFallBack, MissingTranslationGivesEnglish)
{
    const ProbeResult run = RunProbe(QStringLiteral("de_DE"), {QStringLiteral("--without-texts")});
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_GE(run.lines.size(), 3);
    EXPECT_EQ(run.lines[0], QStringLiteral("enu"));
    EXPECT_EQ(run.lines[1], QStringLiteral("0"));
    EXPECT_EQ(run.lines[2], QStringLiteral("Halvora Backup is initializing..."));
    const QString traces = ExpectedTraces(QStringLiteral("de_de"), QStringLiteral("enu"), false);
    EXPECT_TRUE(run.err.contains(traces)) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QLatin1String(":161"))) << "a missing file was traced as found";
}

// The traces' message context, seen through a handler in this process.
struct CapturedMessage {
    QtMsgType type;
    QString file;
    int line;
    QString function;
    QString category;
    QString text;
};

std::vector<CapturedMessage>* g_captured = nullptr;

void Capture(QtMsgType type, const QMessageLogContext& ctx, const QString& text)
{
    if (g_captured)
        g_captured->push_back({type, QString::fromLatin1(ctx.file), ctx.line,
                               QString::fromLatin1(ctx.function), QString::fromLatin1(ctx.category),
                               text});
}

class TraceContextTest : public testing::Test {
protected:
    void SetUp() override
    {
        qInitResources_texts();
        g_captured = &m_messages;
        m_previous = qInstallMessageHandler(Capture);
    }
    void TearDown() override
    {
        qInstallMessageHandler(m_previous);
        g_captured = nullptr;
    }
    void ExpectTrace(size_t index, int line, const char* function, const QString& text)
    {
        ASSERT_LT(index, m_messages.size());
        const CapturedMessage& m = m_messages[index];
        EXPECT_EQ(m.type, QtDebugMsg) << "trace " << line;
        EXPECT_EQ(m.file, QLatin1String(kTraceFile)) << "trace " << line;
        EXPECT_EQ(m.line, line);
        EXPECT_EQ(m.function, QLatin1String(function)) << "trace " << line;
        EXPECT_EQ(m.category, QLatin1String("default")) << "trace " << line;
        EXPECT_EQ(m.text, text) << "trace " << line;
    }

    std::vector<CapturedMessage> m_messages;
    QtMessageHandler m_previous = nullptr;
};

QString WithoutNewline(const QString& line)
{
    return line.left(line.size() - 1);
}

TEST_F(TraceContextTest, DefaultLanguageTracesCarryTheirOrigin)
{
    const QString lower = QLocale::system().name().toLower();
    const QString code = VeltLocale::getDefaultLanguage();
    ASSERT_EQ(m_messages.size(), 4u);
    const char* fn = "QString VeltLocale::getDefaultLanguage()";
    ExpectTrace(0, 64, fn, WithoutNewline(Trace(64, "qPrintable(qstrLocaleLower)", lower, true)));
    ExpectTrace(1, 80, fn, WithoutNewline(Trace(80, "qPrintable(qstrLocaleLower)", lower, false)));
    ExpectTrace(2, 161, "bool VeltLocale::isLanguageInstalled(const QString&)",
                QStringLiteral("../libcommon/VeltLocale:161 qPrintable(qstrLangFileName)=[:/") +
                    code + QStringLiteral(".qm] "));
    ExpectTrace(3, 138, fn, WithoutNewline(Trace(138, "qPrintable(qstrDef)", code, true)));
}

TEST_F(TraceContextTest, OnlyAFoundFileIsTraced)
{
    EXPECT_FALSE(VeltLocale::isLanguageInstalled(QStringLiteral("xyz")));
    EXPECT_TRUE(m_messages.empty());
    EXPECT_TRUE(VeltLocale::isLanguageInstalled(QStringLiteral("ptg")));
    ASSERT_EQ(m_messages.size(), 1u);
    ExpectTrace(
        0, 161, "bool VeltLocale::isLanguageInstalled(const QString&)",
        QStringLiteral("../libcommon/VeltLocale:161 qPrintable(qstrLangFileName)=[:/ptg.qm] "));
}

const char* const kCodesById[] = {"enu", "cht", "chs", "jpn", "deu", "krn", "fra",
                                  "ita", "esn", "ptb", "rus", "dan", "nor", "sve",
                                  "nld", "plk", "hun", "ptg", "trk", "csy"};

TEST(VeltLocaleTable, SupportedLanguagesInIdOrder)
{
    QStringList expected;
    for (const char* code : kCodesById)
        expected << QString::fromLatin1(code);
    const QStringList codes = VeltLocale::getSupportedLanguages();
    EXPECT_EQ(codes, expected);
    ASSERT_EQ(codes.size(), 20);
    EXPECT_EQ(codes.first(), QStringLiteral("enu"));
    EXPECT_EQ(codes.last(), QStringLiteral("csy"));
    EXPECT_EQ(codes.at(17), QStringLiteral("ptg"));
    for (int id = 0; id < codes.size(); ++id)
        EXPECT_EQ(VeltLocale::getLanguageAbbrByID(id), codes.at(id)) << "id " << id;
}

TEST(VeltLocaleTable, CodeByIdOutsideTheTableIsEmpty)
{
    const std::pair<int, const char*> cases[] = {{0, "enu"},    {19, "csy"},  {17, "ptg"},
                                                 {20, ""},      {-1, ""},     {21, ""},
                                                 {INT_MAX, ""}, {INT_MIN, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(VeltLocale::getLanguageAbbrByID(c.first), QString::fromLatin1(c.second))
            << "id " << c.first;
}

TEST(VeltLocaleTable, FallBackIsEnglish)
{
    EXPECT_EQ(VeltLocale::getStrLanguageFallSafe(), QStringLiteral("enu"));
}

TEST(VeltLocaleTable, EveryLanguageIsInstalledAndNothingElse)
{
    qInitResources_texts();
    for (const QString& code : VeltLocale::getSupportedLanguages())
        EXPECT_TRUE(VeltLocale::isLanguageInstalled(code)) << code.toStdString();
    for (const char* code : {"", "xyz", "enu.qm", "ENUX", "en"})
        EXPECT_FALSE(VeltLocale::isLanguageInstalled(QString::fromLatin1(code)))
            << "'" << code << "'";
}

} // namespace
