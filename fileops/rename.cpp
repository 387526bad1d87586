#include "fileops/rename.h"

#include "catalogue/catalogue_model.h"
#include "fileops/undo.h"
#include "format/file_summary.h"
#include "platform/folder_path.h"
#include "platform/native_file.h"
#include "platform/native_fileops.h"

#include <QCoreApplication>

QString NameFromTitle(QStringView title) {
    static constexpr qsizetype keptMax = 250;
    QString name;
    for (QChar c : title) {
        if (name.size() >= keptMax)
            break;
        const char16_t u = c.unicode();
        if (u == u'!' || u == u'"' || u == u'/' || (u >= u':' && u <= u'?'))
            continue;
        name.append(c);
    }
    if (name.size() == keptMax && name.back().isHighSurrogate())
        name.chop(1); // never keep half of a character
    return name + QStringLiteral(".zuf");
}

QString RenameSuggestion(const Entry& current) {
    // A bad or empty file's title is the placeholder text ("Bad ZUF File"), not a name.
    return current.title.isEmpty() || current.isBad ? current.name : NameFromTitle(current.title);
}

bool NameLeavesFolder(QStringView name) {
    // Windows takes both slashes as separators; a NUL would cut the name short.
    return name.contains(FolderSeparator()) || name.contains(u'/') || name.contains(QChar());
}

QString NameRefusedText(const QString& name) {
    return QCoreApplication::translate(
               "Rename",
               "%1\nA new name must not contain \"%2\": renaming never moves a file to another "
               "folder.")
        .arg(name, FolderSeparator());
}

QString DuplicateNameText(const QString& name, const QString& folder) {
    return QCoreApplication::translate("Rename", "%1\nalready exists in\n%2\nRename anyway?")
        .arg(name, folder);
}

// Asks about every row in another folder that has the new name; false at the first answer
// other than Yes.
static bool AcceptDuplicates(FileDialogs& dialogs, const CatalogueModel& list,
                             const QString& newName, const QString& folder) {
    for (int row = list.nextRow(-1, false); row >= 0; row = list.nextRow(row, false)) {
        const Entry* entry = list.entryAt(row);
        if (entry->name.compare(newName, Qt::CaseInsensitive) != 0 ||
            SameFolder(entry->folder, folder))
            continue;
        if (!dialogs.warnYesNo(DuplicateNameText(entry->name, entry->folder)))
            return false;
    }
    return true;
}

bool RenameFile(FileDialogs& dialogs, const CatalogueModel* checkDuplicatesIn,
                const QString& source, const QString& newName, const QString& folder) {
    if (newName.isEmpty() || folder.isEmpty())
        return false;
    if (NameLeavesFolder(newName)) {
        dialogs.showMessage(NameRefusedText(newName));
        return false;
    }
    if (checkDuplicatesIn && !AcceptDuplicates(dialogs, *checkDuplicatesIn, newName, folder))
        return false;
    const QString target = folder + newName;
    if (int error = RenameNoReplace(source, target)) {
        ShowFileError(dialogs, error, source, target);
        return false;
    }
    return true;
}

bool EndLabelEdit(CatalogueModel& list, int row, const QString& newName, bool checkDuplicates,
                  FileDialogs& dialogs, UndoRecord& undo) {
    Entry* entry = list.editEntry(row);
    if (!entry)
        return false;
    const QString folder = entry->folder;
    const QString oldPath = folder + entry->name;
    if (!RenameFile(dialogs, checkDuplicates ? &list : nullptr, oldPath, newName, folder))
        return false;
    undo = {};
    undo.steps.push_back(DoneStep(UndoAction::Rename, oldPath, folder + newName));
    entry->name = newName;
    list.updateRow(row);
    return true;
}
