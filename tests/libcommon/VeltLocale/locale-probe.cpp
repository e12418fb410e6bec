// Chooses and installs the user-interface language the way start-up does,
// under whatever locale the environment names, and prints the outcome:
//   line 1: the chosen code
//   line 2: 1 when the translator was installed, else 0
//   line 3: the text of desc_hlvr_env_preparing, in UTF-8
// With --without-texts the compiled-in translations are unregistered first.
#include <QCoreApplication>
#include <QTranslator>
#include <cstdio>
#include <cstring>

#include "VeltLocale.h"
#include "strtab.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInitResources_texts();
    if (argc > 1 && strcmp(argv[1], "--without-texts") == 0)
        qCleanupResources_texts();

    const QString code = VeltLocale::getDefaultLanguage();
    QTranslator trans;
    trans.load(QStringLiteral(":/") + code + QStringLiteral(".qm"), QString(), QString(),
               QString());
    const bool installed = !trans.isEmpty() && QCoreApplication::installTranslator(&trans);
    StrTable::InitStrTable();

    printf("%s\n%d\n%s\n", code.toUtf8().constData(), installed ? 1 : 0,
           StrTable::LoadStr(StrTable::desc_hlvr_env_preparing).toUtf8().constData());
    return fflush(stdout) == 0 ? 0 : 1;
}
