// The string table through the real translators: every language compiled
// into the program, key lookup, escape handling and the resource collection.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <climits>
#include <gtest/gtest.h>
#include <memory>

#include "strtab.h"
#include "texts-expectations.h"

namespace {

// Loads ":/<code>.qm" (or any .qm path) and installs it for the object's life.
class InstalledTranslation {
public:
    explicit InstalledTranslation(const QString& path)
    {
        m_loaded = m_translator.load(path, QString(), QString(), QString());
        if (m_loaded)
            m_installed = QCoreApplication::installTranslator(&m_translator);
    }
    ~InstalledTranslation()
    {
        if (m_installed)
            QCoreApplication::removeTranslator(&m_translator);
    }
    bool installed() const { return m_installed; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
    bool m_installed = false;
};

QString Embedded(const QString& code)
{
    return QStringLiteral(":/") + code + QStringLiteral(".qm");
}

class StrTableTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qInitResources_texts();
        StrTable::InitStrTable();
    }
};

TEST_F(StrTableTest, LauncherRowsReadAsSpecifiedInEveryLanguage)
{
    for (const textsexpect::LauncherRows& row : textsexpect::AllLauncherRows()) {
        InstalledTranslation tr(Embedded(QString::fromLatin1(row.code)));
        ASSERT_TRUE(tr.installed()) << row.code << ".qm did not load";
        EXPECT_EQ(StrTable::LoadStr(StrTable::app_name), QStringLiteral("Halvora Backup"))
            << row.code;
        EXPECT_EQ(StrTable::LoadStr(StrTable::desc_hlvr_env_preparation_done),
                  QString::fromUtf8(row.ready))
            << row.code;
        EXPECT_EQ(StrTable::LoadStr(StrTable::desc_hlvr_env_preparing),
                  QString::fromUtf8(row.preparing))
            << row.code;
    }
}

TEST_F(StrTableTest, WithoutTranslatorTextsAreEnglish)
{
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_hlvr_env_preparing),
              QStringLiteral("Halvora Backup is initializing..."));
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_hlvr_env_preparation_done),
              QStringLiteral("Halvora Backup is ready."));
    EXPECT_EQ(StrTable::LoadStr(StrTable::app_name), QStringLiteral("Halvora Backup"));
}

TEST_F(StrTableTest, EnglishTranslationChangesNoText)
{
    QStringList english;
    for (uint32_t id = 0; id < StrTable::NUM_STRING_IDS; ++id)
        english << StrTable::LoadStr(static_cast<int>(id));
    InstalledTranslation tr(Embedded(QStringLiteral("enu")));
    ASSERT_TRUE(tr.installed());
    for (uint32_t id = 0; id < StrTable::NUM_STRING_IDS; ++id)
        EXPECT_EQ(StrTable::LoadStr(static_cast<int>(id)), english[int(id)]) << "id " << id;
}

// The table's own consistency: exactly the listed pairs share a text.
TEST_F(StrTableTest, ExactlyTheListedPairsShareAText)
{
    std::vector<std::pair<int, int>> sharing;
    for (int a = 0; a < int(StrTable::NUM_STRING_IDS); ++a) {
        for (int b = a + 1; b < int(StrTable::NUM_STRING_IDS); ++b) {
            if (StrTable::LoadStr(a) == StrTable::LoadStr(b))
                sharing.emplace_back(a, b);
        }
    }
    EXPECT_EQ(sharing, textsexpect::SharedTextPairs());
}

TEST_F(StrTableTest, PairedIdsShowOneTextInEveryLanguage)
{
    for (const QString& code : textsexpect::AllCodes()) {
        InstalledTranslation tr(Embedded(code));
        ASSERT_TRUE(tr.installed()) << code.toStdString();
        for (const auto& pair : textsexpect::SharedTextPairs()) {
            EXPECT_EQ(StrTable::LoadStr(pair.first), StrTable::LoadStr(pair.second))
                << code.toStdString() << ": ids " << pair.first << "/" << pair.second;
        }
    }
}

TEST_F(StrTableTest, IdsOutsideTheTableGiveAnEmptyText)
{
    for (int id : {-1, int(StrTable::NUM_STRING_IDS), INT_MAX, INT_MIN})
        EXPECT_TRUE(StrTable::LoadStr(id).isEmpty()) << "id " << id;
}

struct LookupCase {
    QString key;
    int id;
};

TEST_F(StrTableTest, LookupIsCaseBlindAndExact)
{
    const LookupCase cases[] = {
        {QStringLiteral("app_name"), 5},
        {QStringLiteral("APP_NAME"), 5},
        {QStringLiteral("App_Name"), 5},
        {QStringLiteral("err_ssl_change"), 0},
        {QStringLiteral("WIZARD_CLIENT_UPGRADE_FAILED"), 173},
        {QStringLiteral("desc_hlvr_env_preparing"), 28},
        {QStringLiteral("app_name "), -1},
        {QStringLiteral(" app_name"), -1},
        {QStringLiteral("app_nam"), -1},
        {QStringLiteral("app_names"), -1},
        {QString(), -1},
        {QStringLiteral(""), -1},
        {QStringLiteral("Halvora Backup"), -1},
        {QString::fromUtf8("app_nam\xc3\xa9"), -1},
        {QString::fromLatin1("app_name\0tail", 13), -1},
    };
    for (const LookupCase& c : cases)
        EXPECT_EQ(StrTable::LookupStrID(c.key), c.id) << "key '" << c.key.toStdString() << "'";
}

TEST_F(StrTableTest, LookupNeverTakesAnEnglishTextForAKey)
{
    // "Version" is both a text and, case aside, the key of its own row.
    EXPECT_EQ(StrTable::LookupStrID(StrTable::LoadStr(StrTable::version)), int(StrTable::version));
    static const QRegularExpression kKeyShaped(QStringLiteral("^[A-Za-z_]+$"));
    for (uint32_t id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        const QString text = StrTable::LoadStr(static_cast<int>(id));
        if (kKeyShaped.match(text).hasMatch())
            continue;
        EXPECT_EQ(StrTable::LookupStrID(text), -1) << "text '" << text.toStdString() << "'";
    }
}

// Translators write line breaks and tabs as backslash escapes; lrelease keeps
// them as two characters and the table turns them into the real ones.
TEST_F(StrTableTest, EscapesInTranslationsBecomeBreaksAndTabs)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ts = dir.filePath(QStringLiteral("escapes.ts"));
    const QString qm = dir.filePath(QStringLiteral("escapes.qm"));
    QFile out(ts);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\">\n"
              "<context><name>global</name>\n"
              "<message><source>Halvora Backup is ready.</source>"
              "<translation>Line one\\nLine two\\n</translation></message>\n"
              "<message><source>Halvora Backup is initializing...</source>"
              "<translation>Col\\tumn \\N \\T \\\\x</translation></message>\n"
              "</context>\n</TS>\n");
    out.close();
    ASSERT_EQ(QProcess::execute(QStringLiteral(HALVORA_LRELEASE),
                                {QStringLiteral("-silent"), ts, QStringLiteral("-qm"), qm}),
              0)
        << "lrelease failed on " << ts.toStdString();

    InstalledTranslation tr(qm);
    ASSERT_TRUE(tr.installed()) << qm.toStdString();
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_hlvr_env_preparation_done),
              QStringLiteral("Line one\nLine two\n"));
    // Only lower-case n and t are escapes.
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_hlvr_env_preparing),
              QStringLiteral("Col\tumn \\N \\T \\\\x"));
    EXPECT_EQ(StrTable::LoadStr(StrTable::app_name), QStringLiteral("Halvora Backup"))
        << "a text missing from the file stays English";
}

// The collection's files, alphabetically: one per language.
QStringList CollectionFiles()
{
    QStringList names;
    for (const QString& code : textsexpect::AllCodes())
        names << code + QStringLiteral(".qm");
    return names;
}

QStringList RootFiles()
{
    return QDir(QStringLiteral(":/")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Every resource path of the process; Qt's own modules register theirs too.
QSet<QString> AllResourcePaths()
{
    QSet<QString> paths;
    QDirIterator it(QStringLiteral(":/"), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.insert(it.next());
    return paths;
}

TEST_F(StrTableTest, CollectionHoldsExactlyTheTwentyFiles)
{
    const QStringList expectedNames = CollectionFiles();
    ASSERT_EQ(expectedNames.size(), 20);
    QSet<QString> expectedPaths;
    for (const QString& name : expectedNames)
        expectedPaths.insert(QStringLiteral(":/") + name);
    EXPECT_EQ(RootFiles(), expectedNames);

    // What disappears with the collection is exactly what it holds.
    const QSet<QString> with = AllResourcePaths();
    EXPECT_EQ(qCleanupResources_texts(), 1);
    const QSet<QString> without = AllResourcePaths();
    EXPECT_EQ(qInitResources_texts(), 1);
    EXPECT_EQ(with - without, expectedPaths);
    EXPECT_TRUE(with.contains(without)) << "unregistering the texts added resources";
    EXPECT_EQ(AllResourcePaths(), with) << "registering again did not restore the tree";
}

TEST_F(StrTableTest, CollectionStoresTheCompiledFilesUncompressed)
{
    for (const QString& name : CollectionFiles()) {
        const QString path = QStringLiteral(":/") + name;
        QResource res(path);
        ASSERT_TRUE(res.isValid()) << name.toStdString();
        EXPECT_EQ(res.compressionAlgorithm(), QResource::NoCompression) << name.toStdString();
        QFile embedded(path);
        QFile built(QStringLiteral(HALVORA_QM_DIR "/") + name);
        ASSERT_TRUE(embedded.open(QIODevice::ReadOnly)) << name.toStdString();
        ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << built.fileName().toStdString();
        EXPECT_TRUE(embedded.readAll() == built.readAll())
            << name.toStdString() << " differs from the file lrelease wrote";
    }
}

TEST_F(StrTableTest, RegisteringAgainLeavesTheTreeAsItWas)
{
    const QStringList before = RootFiles();
    QList<const uchar*> dataBefore;
    for (const QString& name : before)
        dataBefore << QResource(QStringLiteral(":/") + name).data();

    EXPECT_EQ(qInitResources_texts(), 1);

    EXPECT_EQ(RootFiles(), before);
    for (int i = 0; i < before.size(); ++i)
        EXPECT_EQ(QResource(QStringLiteral(":/") + before[i]).data(), dataBefore[i])
            << before[i].toStdString();
    InstalledTranslation tr(Embedded(QStringLiteral("deu")));
    ASSERT_TRUE(tr.installed());
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_hlvr_env_preparing),
              QStringLiteral("Halvora Backup wird initialisiert ..."));
}

} // namespace
