#include "app/start_target.h"

#include "catalogue/catalogue_model.h"
#include "platform/folder_path.h"
#include "platform/native_file.h"

#include <QDir>
#include <filesystem>
#include <system_error>

StartTarget StartTargetFor(const QString& argument) {
    const QString path =
        QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(argument)));
#ifdef Q_OS_WIN
    const std::filesystem::path native(path.toStdWString());
#else
    const QByteArray bytes = EncodeFileName(path);
    const std::filesystem::path native(std::string(bytes.constData(), size_t(bytes.size())));
#endif
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(native, error);
    StartTarget target;
    if (error) {
        target.error = QStringLiteral("%1: %2").arg(argument, SystemErrorText(error.value()));
        return target;
    }
    if (std::filesystem::is_directory(status)) {
        target.folder = NormalisedFolder(path);
        return target;
    }
    const qsizetype cut = path.lastIndexOf(FolderSeparator());
    target.folder = NormalisedFolder(path.left(cut + 1));
    target.fileName = path.mid(cut + 1);
    return target;
}

int StartFileRow(const CatalogueModel& list, const QString& workingFolder,
                 const QString& fileName) {
    for (int row = 0; row < list.rowCount(); ++row) {
        const Entry* entry = list.entryAt(row);
        if (entry->name == fileName && SameFolder(entry->folder, workingFolder))
            return row;
    }
    return -1;
}
