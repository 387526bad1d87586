#pragma once
// The user's language: the program's translations and Qt's own (its standard dialogs and
// buttons, the shortcut key names, the help's headings), loaded from the files beside the
// program or, on Linux, from where the installation keeps them.

#include <QStringList>

class QCoreApplication;

// The folders searched, in order, for the translation files named `name`_<language>.qm:
// "translations" beside the program (the build folder, the Windows packages), the
// installation's share/zuffile/translations, and for Qt's own files Qt's folder.
QStringList TranslationFolders(const QString& programFolder, bool qtOwn);

// Installs the translations of the default locale's languages into `application`. A language
// without a translation, or a file without one translated text, leaves the English texts.
void InstallTranslations(QCoreApplication& application);
