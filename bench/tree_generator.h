#pragma once
// The benchmark's folder tree: 100,000 files in 1,000 folders (10 folders of 100 subfolders,
// 100 files in each subfolder), written with the sample writer. About 80% are tablature files
// of both generations with varied titles, authors, tunings, notes and modules, about 20% carry
// other extensions, and a few are damaged (empty, cut short, or with a counted string claiming
// more bytes than the file has). Dates are spread over twenty years.

#include "platform/native_file.h"
#include "tools/sample_writer.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <filesystem>
#include <random>

struct TreeShape {
    int topFolders = 10;
    int subfolders = 100; // in each top folder
    int filesPerFolder = 100;
};

namespace tree_generator {

inline const char* const words[] = {
    "Blue",   "Moon",  "Autumn", "Leaves", "Take",  "Five",    "Night", "Train",   "Summer",
    "Time",   "River", "Song",   "Waltz",  "Blues", "Rag",     "Étude", "Prelude", "Fugue",
    "Ballad", "Road",  "Home",   "Dance",  "Śpiew", "Canción", "Rain",  "Fire",    "Glass"};
inline const char* const authors[] = {"Rodgers", "Kosma",   "Desmond",  "Monk",    "Ellington",
                                      "Jobim",   "Sor",     "Giuliani", "Tárrega", "Reinhardt",
                                      "Bream",   "Segovia", "Parker",   "Evans",   "Hall"};
inline const char* const otherExtensions[] = {".txt", ".mid", ".pdf", ".bak", ".jpg"};

inline QString Phrase(std::mt19937& rng, int count) {
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << QString::fromUtf8(words[rng() % std::size(words)]);
    return parts.join(QLatin1Char(' '));
}

inline SampleFile RandomSample(std::mt19937& rng) {
    SampleFile file = (rng() % 2) ? SampleFile::newer() : SampleFile{};
    if (file.generation < 10)
        file.generation = quint8(rng() % 4); // older generations 0 to 3
    file.title =
        (rng() % 20 == 0 ? QStringLiteral("\"") : QString()) + Phrase(rng, 1 + int(rng() % 4));
    file.subtitle = QString::fromUtf8(authors[rng() % std::size(authors)]);
    if (rng() % 3 == 0)
        file.comments = Phrase(rng, 3 + int(rng() % 10));
    if (rng() % 4 == 0)
        file.notes = Phrase(rng, 20 + int(rng() % 200));
    file.measures = quint16(rng() % 300);
    file.keySignature = int(rng() % 15) - 7;
    file.modules.clear();
    const int modules = 1 + int(rng() % 4);
    for (int m = 0; m < modules; ++m) {
        SampleModule module;
        module.name = QString::fromUtf8(words[rng() % std::size(words)]);
        module.stringCount = quint8(4 + rng() % 4);
        for (int s = 0; s < module.stringCount; ++s)
            module.tuning.push_back(quint8(rng() % 40));
        file.modules.push_back(module);
    }
    return file;
}

// The bytes of a damaged file, one of three kinds.
inline QByteArray Damaged(std::mt19937& rng, int kind) {
    if (kind == 0)
        return {};
    SampleLayout layout;
    QByteArray bytes = BuildSampleFile(SampleFile::newer(), &layout);
    if (kind == 1)
        return bytes.left(int(rng() % 200));
    PutU16(bytes, layout.titleOffset, 0xFFFF);
    return bytes;
}

} // namespace tree_generator

// Writes the tree below `root` unless its completion mark is there already. Returns the number
// of catalogue files written (0 on failure or when the tree existed: see `existing`).
inline int GenerateTree(const QString& root, const TreeShape& shape, bool* existing = nullptr) {
    using namespace tree_generator;
    const QString mark = root + QStringLiteral("/.tree-complete");
    if (QFile::exists(mark)) {
        if (existing)
            *existing = true;
        return 0;
    }
    std::mt19937 rng(20261209);
    int catalogueFiles = 0;
    int fileNumber = 0;
    const auto now = std::filesystem::file_time_type::clock::now();
    for (int top = 0; top < shape.topFolders; ++top) {
        for (int sub = 0; sub < shape.subfolders; ++sub) {
            const QString folder = QStringLiteral("%1/Collection %2/Set %3/")
                                       .arg(root)
                                       .arg(top, 2, 10, QLatin1Char('0'))
                                       .arg(sub, 3, 10, QLatin1Char('0'));
            if (!QDir().mkpath(folder))
                return 0;
            for (int f = 0; f < shape.filesPerFolder; ++f, ++fileNumber) {
                const QString stem = QStringLiteral("%1 %2")
                                         .arg(fileNumber, 6, 10, QLatin1Char('0'))
                                         .arg(Phrase(rng, 1 + int(rng() % 2)));
                QByteArray bytes;
                QString name;
                if (rng() % 5 == 0) {
                    name = stem + QString::fromUtf8(otherExtensions[rng() % 5]);
                    bytes = QByteArray(int(rng() % 500), 'x');
                } else {
                    static const char* const extensions[] = {".zuf", ".ZUF", ".tab", ".Tab"};
                    name = stem + QString::fromUtf8(extensions[rng() % 4]);
                    bytes = (fileNumber % 997 == 0) ? Damaged(rng, fileNumber % 3)
                                                    : BuildSampleFile(RandomSample(rng));
                    ++catalogueFiles;
                }
                if (!WriteSampleFile(folder + name, bytes))
                    return 0;
                std::error_code error;
                const auto age = std::chrono::hours(rng() % (24 * 365 * 20));
#ifdef Q_OS_WIN
                const std::filesystem::path file((folder + name).toStdWString());
#else
                const std::filesystem::path file(EncodeFileName(folder + name).toStdString());
#endif
                std::filesystem::last_write_time(file, now - age, error);
            }
        }
    }
    QFile done(mark);
    if (!done.open(QIODevice::WriteOnly))
        return 0;
    done.write(QByteArray::number(catalogueFiles));
    return catalogueFiles;
}
