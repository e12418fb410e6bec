#ifndef HALVORA_TEXTS_EXPECTATIONS_H
#define HALVORA_TEXTS_EXPECTATIONS_H

// What the translations must say, independent of how the table is built:
// the launcher's own rows in every language, the ids that share one English
// text, and the names no translation may touch. Also the languages as test
// parameters and the English texts that every file translates.
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "strtab.h"

namespace textsexpect {

struct LauncherRows {
    const char* code;
    const char* ready;     // id 21, desc_hlvr_env_preparation_done
    const char* preparing; // id 28, desc_hlvr_env_preparing
};

inline const std::vector<LauncherRows>& AllLauncherRows()
{
    static const std::vector<LauncherRows> rows = {
        {"chs", "Halvora Backup 已就绪。", "Halvora Backup 正在初始化..."},
        {"cht", "Halvora Backup 準備完成", "Halvora Backup 準備中..."},
        {"csy", "Halvora Backup je připravena.", "Halvora Backup se inicializuje..."},
        {"dan", "Halvora Backup er klar.", "Halvora Backup initialiserer..."},
        {"deu", "Halvora Backup ist bereit.", "Halvora Backup wird initialisiert ..."},
        {"enu", "Halvora Backup is ready.", "Halvora Backup is initializing..."},
        {"esn", "Halvora Backup está lista.", "Halvora Backup se está inicializando..."},
        {"fra", "Halvora Backup est prêt.", "Halvora Backup est en cours d'initialisation..."},
        {"hun", "Halvora Backup készen áll.", "A Halvora Backup inicializálása folyamatban..."},
        {"ita", "Halvora Backup pronta.", "Halvora Backup sta inizializzando..."},
        {"jpn", "Halvora Backup は準備完了です。", "Halvora Backup は初期化中です。"},
        {"krn", "Halvora Backup 사용 준비가 되었습니다.", "Halvora Backup 초기화 중..."},
        {"nld", "Halvora Backup is gereed.", "Halvora Backup is bezig met initialisatie..."},
        {"nor", "Halvora Backup er klar.", "Halvora Backup starter opp..."},
        {"plk", "Aplikacja Halvora Backup jest gotowa.",
         "Aplikacja Halvora Backup jest inicjowana..."},
        {"ptb", "O Halvora Backup está pronto.", "O Halvora Backup está sendo inicializado..."},
        {"ptg", "Halvora Backup pronta.", "Halvora Backup a iniciar..."},
        {"rus", "Halvora Backup готов.", "Halvora Backup выполняет инициализацию..."},
        {"sve", "Halvora Backup är klar.", "Halvora Backup initialiserar..."},
        {"trk", "Halvora Backup hazır.", "Halvora Backup başlıyor..."},
    };
    return rows;
}

inline QString PreparingText(const QString& code)
{
    for (const LauncherRows& row : AllLauncherRows()) {
        if (code == QLatin1String(row.code))
            return QString::fromUtf8(row.preparing);
    }
    return QString();
}

inline QStringList AllCodes()
{
    QStringList codes;
    for (const LauncherRows& row : AllLauncherRows())
        codes << QString::fromLatin1(row.code);
    return codes;
}

// The language codes, alphabetically, as test parameters named by their code.
inline std::vector<std::string> CodeParams(bool withEnglish)
{
    std::vector<std::string> codes;
    for (const LauncherRows& row : AllLauncherRows()) {
        if (withEnglish || std::string(row.code) != "enu")
            codes.emplace_back(row.code);
    }
    return codes;
}

inline std::string CodeParamName(const testing::TestParamInfo<std::string>& info)
{
    return info.param;
}

// Ids whose rows carry the same English text, and so the same translation.
inline const std::vector<std::pair<int, int>>& SharedTextPairs()
{
    static const std::vector<std::pair<int, int>> pairs = {
        {0, 132},  {9, 144}, {44, 148},  {53, 158},  {55, 129},  {74, 85},
        {78, 109}, {81, 82}, {111, 162}, {116, 141}, {142, 166},
    };
    return pairs;
}

inline QStringList ProductNames()
{
    return {QStringLiteral("Halvora Backup"), QStringLiteral("Veltrane"),
            QStringLiteral("FarBridge")};
}

const int kDistinctTexts = 169;

// The table's distinct English texts, in id order of first use. With no
// translator installed the table answers in English.
inline QStringList DistinctEnglishTexts()
{
    StrTable::InitStrTable();
    QStringList texts;
    for (uint32_t id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        const QString text = StrTable::LoadStr(static_cast<int>(id));
        if (!texts.contains(text))
            texts << text;
    }
    return texts;
}

} // namespace textsexpect

#endif
