// Writes seed files for the reader's fuzz target into the folder given as the argument: files
// of both generations and of the older layout's variants, made by the sample-file writer.

#include "tools/sample_writer.h"

#include <QDir>
#include <cstdio>

static std::vector<SampleFile> Seeds() {
    std::vector<SampleFile> seeds;
    SampleFile older;
    older.title = QStringLiteral("Title");
    older.subtitle = QStringLiteral("Author");
    older.comments = QStringLiteral("Comments");
    older.notes = QStringLiteral("Notes");
    seeds.push_back(older);

    SampleFile gen0 = older;
    gen0.generation = 0;
    seeds.push_back(gen0);
    gen0.moduleFlag = 1;
    seeds.push_back(gen0);

    SampleFile parts = older;
    parts.generation = 5;
    parts.tableWordCount = 3;
    parts.tablePairCount = 2;
    parts.measures = 260;
    parts.blockLengths = {1, 2, 3};
    parts.firstGroupCount = 1;
    parts.secondGroupCount = 1;
    parts.shortRecordCount = 2;
    parts.modules.push_back({QStringLiteral("Bass"), 4, {1, 2, 3, 4}, 0, 5});
    seeds.push_back(parts);

    SampleFile newer = SampleFile::newer();
    newer.title = QStringLiteral("Newer");
    newer.notes = QStringLiteral("n\u00F8tes");
    newer.minor = true;
    newer.keySignature = 3;
    seeds.push_back(newer);
    newer.modules.resize(17, newer.modules[0]);
    seeds.push_back(newer);
    newer.modules.clear();
    newer.moduleCount = 0;
    seeds.push_back(newer);
    return seeds;
}

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: fuzz_seed_corpus DIR\n", stderr);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    int n = 0;
    for (const SampleFile& seed : Seeds()) {
        if (!WriteSampleFile(dir + QStringLiteral("/seed%1.zuf").arg(++n), seed))
            return 1;
    }
    return 0;
}
