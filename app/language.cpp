#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QStringList TranslationFolders(const QString& programFolder, bool qtOwn) {
    QStringList folders = {programFolder + QStringLiteral("/translations"),
                           programFolder + QStringLiteral("/../share/zuffile/translations")};
    if (qtOwn)
        folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    return folders;
}

namespace {

// The first file of `name` for the locale's languages found in one of the folders.
bool LoadFirst(QTranslator& translator, const QLocale& locale, const QString& name,
               const QStringList& folders) {
    for (const QString& folder : folders) {
        if (translator.load(locale, name, QStringLiteral("_"), folder) && !translator.isEmpty())
            return true;
    }
    return false;
}

} // namespace

void InstallTranslations(QCoreApplication& application) {
    const QLocale locale;
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const bool qtOwn : {true, false}) {
        const QString name = qtOwn ? QStringLiteral("qtbase") : QStringLiteral("zuffile");
        auto* translator = new QTranslator(&application);
        if (LoadFirst(*translator, locale, name, TranslationFolders(programFolder, qtOwn)))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}
