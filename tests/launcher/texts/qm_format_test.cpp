// The compiled translations as they are embedded in the program, read byte
// by byte: which sections they carry and what every message holds.
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "qm-reader.h"
#include "strtab.h"
#include "texts-expectations.h"

namespace {

QByteArray EmbeddedQm(const QString& code)
{
    qInitResources_texts();
    QFile file(QStringLiteral(":/") + code + QStringLiteral(".qm"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

class QmFileTest : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        const QByteArray data = EmbeddedQm(code());
        ASSERT_FALSE(data.isEmpty()) << ":/" << GetParam() << ".qm is missing or empty";
        const QString error = qmreader::Parse(data, &m_qm);
        ASSERT_TRUE(error.isEmpty()) << GetParam() << ".qm: " << error.toStdString();
    }
    QString code() const { return QString::fromStdString(GetParam()); }

    qmreader::QmFile m_qm;
};

TEST_P(QmFileTest, HoldsOnlyHashAndMessageSections)
{
    const std::vector<uint8_t> expected = {qmreader::kHashes, qmreader::kMessages};
    std::vector<uint8_t> tags = m_qm.sectionTags;
    std::sort(tags.begin(), tags.end());
    EXPECT_EQ(tags, expected) << GetParam() << ".qm has sections other than one hash and one "
                              << "message section (language, numerus rules, dependencies or "
                              << "contexts would change how Qt treats the file)";
}

TEST_P(QmFileTest, HoldsOneMessagePerEnglishTextInContextGlobal)
{
    const QStringList english = textsexpect::DistinctEnglishTexts();
    ASSERT_EQ(english.size(), textsexpect::kDistinctTexts) << "the table's distinct texts";
    ASSERT_EQ(m_qm.messages.size(), size_t(textsexpect::kDistinctTexts)) << GetParam();

    QSet<QString> sources;
    for (const qmreader::Message& msg : m_qm.messages) {
        const QString source = QString::fromUtf8(msg.source);
        EXPECT_TRUE(msg.hasContext && msg.context == "global")
            << GetParam() << ": context '" << msg.context.toStdString() << "' for "
            << msg.source.toStdString();
        EXPECT_TRUE(msg.comment.isEmpty())
            << GetParam() << ": comment on " << msg.source.toStdString();
        EXPECT_EQ(msg.translations.size(), 1) << GetParam() << ": " << msg.source.toStdString();
        EXPECT_TRUE(english.contains(source))
            << GetParam() << ": stray message " << msg.source.toStdString();
        sources.insert(source);
    }
    EXPECT_EQ(sources.size(), textsexpect::kDistinctTexts) << GetParam() << ": duplicate sources";
}

// QTranslator finds a message by binary search over this table, so a wrong
// hash or offset silently leaves the text in English.
TEST_P(QmFileTest, HashTableFindsEveryMessage)
{
    ASSERT_EQ(m_qm.hashes.size(), m_qm.messages.size()) << GetParam();
    for (size_t i = 1; i < m_qm.hashes.size(); ++i)
        EXPECT_LE(m_qm.hashes[i - 1].hash, m_qm.hashes[i].hash)
            << GetParam() << ": unsorted at " << i;
    for (const qmreader::Message& msg : m_qm.messages) {
        const uint32_t hash = qmreader::ElfHash(msg.source + msg.comment);
        const bool found =
            std::any_of(m_qm.hashes.begin(), m_qm.hashes.end(), [&](const qmreader::HashEntry& e) {
                return e.hash == hash && e.offset == msg.offset;
            });
        EXPECT_TRUE(found) << GetParam() << ": no hash entry for " << msg.source.toStdString();
    }
}

int CountOf(const QString& text, const QString& part)
{
    return text.count(part);
}

TEST_P(QmFileTest, TranslationsKeepNamesAndPlaceholders)
{
    static const QRegularExpression kPlaceholder(QStringLiteral("%[1-9]"));
    for (const qmreader::Message& msg : m_qm.messages) {
        if (msg.translations.size() != 1)
            continue; // reported by the message test
        const QString source = QString::fromUtf8(msg.source);
        const QString tr = msg.translations.first();
        EXPECT_FALSE(tr.trimmed().isEmpty())
            << GetParam() << ": empty translation of " << msg.source.toStdString();
        for (const QString& name : textsexpect::ProductNames())
            EXPECT_EQ(CountOf(tr, name), CountOf(source, name))
                << GetParam() << ": '" << name.toStdString() << "' in " << tr.toStdString();
        QStringList wanted;
        QStringList got;
        for (auto it = kPlaceholder.globalMatch(source); it.hasNext();)
            wanted << it.next().captured();
        for (auto it = kPlaceholder.globalMatch(tr); it.hasNext();)
            got << it.next().captured();
        wanted.sort();
        got.sort();
        EXPECT_EQ(got, wanted) << GetParam() << ": placeholders of '" << msg.source.toStdString()
                               << "' in '" << tr.toStdString() << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, QmFileTest,
                         testing::ValuesIn(textsexpect::CodeParams(true)),
                         textsexpect::CodeParamName);

TEST(EnglishQm, TranslatesEveryTextToItself)
{
    qmreader::QmFile qm;
    ASSERT_TRUE(qmreader::Parse(EmbeddedQm(QStringLiteral("enu")), &qm).isEmpty());
    ASSERT_EQ(qm.messages.size(), size_t(textsexpect::kDistinctTexts));
    for (const qmreader::Message& msg : qm.messages) {
        ASSERT_EQ(msg.translations.size(), 1);
        EXPECT_EQ(msg.translations.first(), QString::fromUtf8(msg.source));
    }
}

// The reader itself must reject what it is there to catch.
TEST(QmReader, ReportsForeignSectionsAndBrokenRecords)
{
    QByteArray data = EmbeddedQm(QStringLiteral("enu"));
    ASSERT_FALSE(data.isEmpty());
    QByteArray withLanguage = data;
    withLanguage.append(char(qmreader::kLanguage)).append(QByteArray("\0\0\0\2de", 6));
    qmreader::QmFile qm;
    ASSERT_TRUE(qmreader::Parse(withLanguage, &qm).isEmpty());
    EXPECT_EQ(qm.sectionTags.back(), qmreader::kLanguage);

    QByteArray cut = data.left(data.size() - 3);
    qmreader::QmFile broken;
    EXPECT_FALSE(qmreader::Parse(cut, &broken).isEmpty()) << "a cut-off file was accepted";
    EXPECT_FALSE(qmreader::Parse(QByteArray("not a qm file at all"), &broken).isEmpty());
}

} // namespace
