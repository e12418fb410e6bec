// How much of each language is really translated. A text may stay English
// only where it is a name, a number or placeholders; at most 3% of the texts
// of a language may be such.
#include <QTranslator>
#include <gtest/gtest.h>
#include <iostream>
#include <string>

#include "strtab.h"
#include "texts-expectations.h"

namespace {

const int kMinDifferingPercent = 97;

class CoverageTest : public testing::TestWithParam<std::string> {};

TEST_P(CoverageTest, NearlyEveryTextDiffersFromEnglish)
{
    qInitResources_texts();
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/%1.qm").arg(QString::fromStdString(GetParam()))))
        << GetParam();
    const QStringList english = textsexpect::DistinctEnglishTexts();
    ASSERT_EQ(english.size(), textsexpect::kDistinctTexts);

    QStringList unchanged;
    for (const QString& text : english) {
        const QString tr = translator.translate("global", text.toUtf8().constData());
        if (tr.isEmpty() || tr == text)
            unchanged << text;
    }
    const int differing = english.size() - unchanged.size();
    EXPECT_GE(differing * 100, kMinDifferingPercent * english.size())
        << GetParam() << ": " << differing << " of " << english.size()
        << " texts translated; still English: "
        << unchanged.join(QStringLiteral(" | ")).toStdString();
    std::cout << GetParam() << ": " << differing << "/" << english.size() << " differ from English"
              << std::endl;
}

INSTANTIATE_TEST_SUITE_P(NonEnglish, CoverageTest,
                         testing::ValuesIn(textsexpect::CodeParams(false)),
                         textsexpect::CodeParamName);

} // namespace
