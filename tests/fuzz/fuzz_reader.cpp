// libFuzzer target: arbitrary bytes as a tablature file, read in both read modes.

#include "format/file_summary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>

static QString FuzzFilePath() {
    const QString folder =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return folder + QStringLiteral("/zuf-fuzz-%1.zuf").arg(QCoreApplication::applicationPid());
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString path = FuzzFilePath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    for (ReadMode mode : {ReadMode::WithoutNotes, ReadMode::WithNotes})
        ReadSummary(path, mode);
    QFile::remove(path);
    return 0;
}
