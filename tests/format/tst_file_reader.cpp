#include "format/file_summary.h"
#include "format/score_summary.h"
#include "tools/sample_writer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

Q_DECLARE_METATYPE(SampleFile)

// A module with `strings` strings named `name`, tuned from `first` upwards.
static SampleModule Module(const QString& name, quint8 strings, quint8 first = 20) {
    SampleModule m;
    m.name = name;
    m.stringCount = strings;
    m.tuning.clear();
    for (int k = 0; k < strings; ++k)
        m.tuning.push_back(quint8(first + 5 * k));
    m.transposition = 0;
    return m;
}

class TestFileReader : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    int m_counter = 0;
    FileSummary m_read; // the summary of the last read

    QString put(const QByteArray& bytes) {
        const QString path = m_dir.filePath(QStringLiteral("f%1.zuf").arg(++m_counter));
        if (!WriteSampleFile(path, bytes))
            qFatal("cannot write a sample file");
        return path;
    }
    FileSummary& read(const QString& path, ReadMode mode = ReadMode::WithNotes) {
        m_read = ReadSummary(path, mode);
        return m_read;
    }
    FileSummary& readBytes(const QByteArray& bytes, ReadMode mode = ReadMode::WithNotes) {
        return read(put(bytes), mode);
    }
    FileSummary& readFile(const SampleFile& file, ReadMode mode = ReadMode::WithNotes) {
        return readBytes(BuildSampleFile(file), mode);
    }
    static void verifyBad(const FileSummary& s, const char* title) {
        QCOMPARE(s.currentEntry.isBad, quint8(1));
        QCOMPARE(s.title.text(), QString::fromLatin1(title));
        QVERIFY(s.subtitle.isEmpty());
        QVERIFY(s.comments.isEmpty());
        QVERIFY(s.notes.isEmpty());
    }

private slots:
    void olderLayoutIsReadWhole() {
        SampleFile f;
        f.generation = 3;
        f.title = QStringLiteral("Caf\u00E9 Blues");
        f.subtitle = QStringLiteral("J. Doe");
        f.comments = QStringLiteral("Live\ttake");
        f.notes = QStringLiteral("Capo 2\r\nslow \u20AC");
        f.versionWord = 0x0301;
        f.versionExtra = 0x0A;
        f.measures = 300;
        f.numerator = 6;
        f.denominator = 8;
        f.keySignature = -2;
        f.tableWordCount = 7;
        f.tablePairCount = 5;
        f.blockLengths = {0, 3, 100};
        f.firstGroupCount = 2;
        f.secondGroupCount = 1;
        f.shortRecordCount = 4;
        f.modules = {Module(QStringLiteral("Lead"), 6), Module(QStringLiteral("Bass"), 4, 30)};
        f.modules[0].transposition = 2;
        const FileSummary& s = readFile(f);
        QCOMPARE(s.currentEntry.isBad, quint8(0));
        QCOMPARE(s.title.text(), f.title);
        QCOMPARE(s.subtitle.text(), f.subtitle);
        QCOMPARE(s.comments.text(), f.comments);
        QCOMPARE(s.notes.text(), f.notes);
        QCOMPARE(s.generation, quint16(3));
        QCOMPARE(s.versionWord, quint16(0x0301));
        QCOMPARE(s.versionExtra, quint16(0x0A));
        QCOMPARE(s.measures, quint16(300));
        QCOMPARE(s.timeSignature, quint16(0x0608));
        QCOMPARE(s.keySignature, qint16(-2));
        QCOMPARE(s.minorKey, qint16(0));
        QCOMPARE(s.lastModule, quint16(1));
        QCOMPARE(s.moduleNames[0].text(), QStringLiteral("Lead"));
        QCOMPARE(s.moduleNames[1].text(), QStringLiteral("Bass"));
        QCOMPARE(s.stringCount, quint16(6));
        for (int k = 0; k < 6; ++k)
            QCOMPARE(s.tuning[k], quint8(22 + 5 * k));
        QCOMPARE(s.tuning[6], quint8(0));
        QCOMPARE(s.blockCount, quint16(3));
        QCOMPARE(s.tableWordCount, quint16(7));
        QCOMPARE(s.firstGroupCount, qint16(2));
        QCOMPARE(s.secondGroupCount, qint16(1));
        QCOMPARE(s.shortRecordCount, quint16(4));
        QVERIFY(s.notesLength != 0);
    }

    void readWithoutNotesLeavesNotesAndNamesOut_data() {
        QTest::addColumn<SampleFile>("file");
        SampleFile older;
        older.notes = QStringLiteral("some notes");
        QTest::newRow("older") << older;
        SampleFile newer = SampleFile::newer();
        newer.notes = QStringLiteral("some notes");
        QTest::newRow("newer") << newer;
    }
    void readWithoutNotesLeavesNotesAndNamesOut() {
        QFETCH(SampleFile, file);
        const QString path = put(BuildSampleFile(file));
        const FileSummary& whole = read(path, ReadMode::WithNotes);
        QCOMPARE(whole.notes.text(), QStringLiteral("some notes"));
        QCOMPARE(whole.moduleNames[0].text(), QStringLiteral("Guitar"));
        const FileSummary& s = read(path, ReadMode::WithoutNotes);
        QVERIFY(s.notes.isEmpty());
        QVERIFY(s.moduleNames[0].isEmpty()); // the names go with the notes, to the panel
        QCOMPARE(s.currentEntry.isBad, quint8(0));
        if (file.generation >= 10)
            QCOMPARE(s.notesLength, qint16(0));
    }

    void newerLayoutIsReadWhole() {
        SampleFile f = SampleFile::newer();
        f.generation = 12;
        f.title = QStringLiteral("\u00C9t\u00E9 \u4E2D");
        f.subtitle = QStringLiteral("Ana \u00D1");
        f.comments = QStringLiteral("c");
        f.notes = QStringLiteral("n\u00F8tes");
        f.versionWord = 0x0301;
        f.versionExtra = 0x0A;
        f.measures = 77;
        f.numerator = 3;
        f.denominator = 4;
        f.keySignature = 3;
        f.minor = true;
        f.modules = {Module(QStringLiteral("Gitarre \u00FC"), 7, 10),
                     Module(QStringLiteral("Drums"), 1)};
        f.modules[0].transposition = 3;
        const FileSummary& s = readFile(f);
        QCOMPARE(s.currentEntry.isBad, quint8(0));
        QCOMPARE(s.generation, quint16(12));
        QCOMPARE(s.title.text(), f.title);
        QCOMPARE(s.subtitle.text(), f.subtitle);
        QCOMPARE(s.comments.text(), f.comments);
        QCOMPARE(s.notes.text(), f.notes);
        QCOMPARE(s.notesLength, qint16(f.notes.toUtf8().size()));
        QCOMPARE(s.versionWord, quint16(0x0301));
        QCOMPARE(s.versionExtra, quint16(0x0A));
        QCOMPARE(s.measures, quint16(77));
        QCOMPARE(s.timeSignature, quint16(0x0304));
        QCOMPARE(s.keySignature, qint16(3));
        QCOMPARE(s.minorKey, qint16(1));
        QCOMPARE(s.lastModule, quint16(1));
        QCOMPARE(s.moduleNames[0].text(), f.modules[0].name);
        QCOMPARE(s.moduleNames[1].text(), QStringLiteral("Drums"));
        QCOMPARE(s.stringCount, quint16(7));
        for (int k = 0; k < 7; ++k)
            QCOMPARE(s.tuning[k], quint8(13 + 5 * k));
    }

    void generationBytes_data() {
        QTest::addColumn<int>("byte204");
        QTest::addColumn<int>("byte205");
        QTest::addColumn<bool>("newer");
        QTest::newRow("4 and 9: older") << 4 << 9 << false;
        QTest::newRow("4 and 10: newer") << 4 << 10 << true;
        QTest::newRow("5 and 12: older") << 5 << 12 << false;
    }
    void generationBytes() {
        QFETCH(int, byte204);
        QFETCH(int, byte205);
        QFETCH(bool, newer);
        SampleFile f = newer ? SampleFile::newer() : SampleFile();
        f.title = QStringLiteral("T");
        QByteArray bytes = BuildSampleFile(f);
        PutU8(bytes, 204, quint8(byte204));
        PutU8(bytes, 205, quint8(byte205));
        const FileSummary& s = readBytes(bytes);
        QCOMPARE(s.currentEntry.isBad, quint8(0));
        QCOMPARE(s.generation, quint16(byte205));
        QCOMPARE(s.title.text(), QStringLiteral("T"));
        // The older layout's denominator is byte 204.
        QCOMPARE(s.timeSignature & 0xFF, 4 + (newer ? 0 : byte204 - 4));
    }

    void olderKeyCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("minor");
        QTest::newRow("0") << 0 << 0 << 0;
        QTest::newRow("10") << 10 << 2 << 1;
        QTest::newRow("-9") << -9 << -1 << 1;
        QTest::newRow("16") << 16 << 0 << 0;
        QTest::newRow("23") << 23 << 7 << 0;
        QTest::newRow("24") << 24 << 0 << 1;
        QTest::newRow("-24") << -24 << 0 << 1;
        QTest::newRow("31") << 31 << 7 << 1;
        QTest::newRow("32") << 32 << 8 << 1;
        QTest::newRow("-32") << -32 << -8 << 1;
        QTest::newRow("-7") << -7 << -7 << 0;
    }
    void olderKeyCodes() {
        QFETCH(int, code);
        QFETCH(int, key);
        QFETCH(int, minor);
        SampleFile f;
        f.keyCode = qint16(code);
        const FileSummary& s = readFile(f);
        QCOMPARE(s.currentEntry.isBad, quint8(0));
        QCOMPARE(int(s.keySignature), key);
        QCOMPARE(int(s.minorKey), minor);
    }

    void olderValidation_data() {
        QTest::addColumn<SampleFile>("file");
        QTest::addColumn<bool>("good");
        SampleFile f;
        QTest::newRow("numerator 1") << (f.numerator = 1, f) << true;
        QTest::newRow("numerator 20") << (f.numerator = 20, f) << true;
        QTest::newRow("numerator 0") << (f.numerator = 0, f) << false;
        QTest::newRow("numerator 21") << (f.numerator = 21, f) << false;
        f.numerator = 4;
        QTest::newRow("denominator 32") << (f.denominator = 32, f) << true;
        QTest::newRow("denominator 0") << (f.denominator = 0, f) << false;
        QTest::newRow("denominator 33") << (f.denominator = 33, f) << false;
        f.denominator = 4;
        QTest::newRow("key code 33") << (f.keyCode = 33, f) << false;
        QTest::newRow("key code -33") << (f.keyCode = -33, f) << false;
        f.keyCode.reset();
        QTest::newRow("measures 0") << (f.measures = 0, f) << false;
        f.measures = 16;
        SampleFile m = f;
        m.modules[0].stringCount = 13;
        QTest::newRow("first module 13 strings") << m << false;
        m.modules[0].stringCount = 0;
        QTest::newRow("first module 0 strings") << m << false;
        m.modules[0].stringCount = 12;
        QTest::newRow("first module 12 strings") << m << true;
    }
    void olderValidation() {
        QFETCH(SampleFile, file);
        QFETCH(bool, good);
        file.title = QStringLiteral("Kept title");
        const FileSummary& s = readFile(file);
        if (good) {
            QCOMPARE(s.currentEntry.isBad, quint8(0));
            QCOMPARE(s.title.text(), QStringLiteral("Kept title"));
        } else {
            verifyBad(s, "Bad ZUF File");
        }
    }

    void badModuleRunningSum() {
        SampleFile f;
        f.modules = {Module(QStringLiteral("A"), 6), Module(QStringLiteral("B"), 4)};
        SampleLayout layout;
        QByteArray bytes = BuildSampleFile(f, &layout);
        QCOMPARE(quint8(bytes[layout.modulesStart + 50 + 2]), quint8(6));
        PutU8(bytes, layout.modulesStart + 50 + 2, 5);
        verifyBad(readBytes(bytes), "Bad ZUF File");
    }

    void stringCountFromByte4() {
        SampleFile f;
        f.modules[0].stringCount = 12;
        f.modules[0].stringCountByte4 = 5;
        const FileSummary& s = readFile(f);
        QCOMPARE(s.currentEntry.isBad, quint8(0));
        QCOMPARE(s.stringCount, quint16(5));
        QCOMPARE(s.tuning[5], quint8(0));
    }

    void emptyAndForeignFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("title");
        QTest::newRow("300 zero bytes") << QByteArray(300, '\0') << "Empty ZUF File";
        QTest::newRow("0 bytes") << QByteArray() << "Empty ZUF File";
        QTest::newRow("100 kB of zeros") << QByteArray(100000, '\0') << "Empty ZUF File";
        QByteArray zerosThenOne(200000, '\0');
        zerosThenOne[150000] = 1;
        QTest::newRow("one byte in the second chunk") << zerosThenOne << "Bad ZUF File";
        QTest::newRow("plain text")
            << QByteArray("Intro: Am G F E\nVerse: C G Am F\n").repeated(20) << "Bad ZUF File";
        QByteArray newerHead(300, '\0');
        newerHead[204] = 4;
        newerHead[205] = 10;
        QTest::newRow("newer header only") << newerHead << "Bad ZUF File";
    }
    void emptyAndForeignFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        const FileSummary& s = readBytes(bytes);
        verifyBad(s, title.toLatin1().constData());
    }

    // A huge sparse file uses no disk and reads as zeros: its holes are judged without being
    // read, so the verdict comes at once and stays what reading every byte would give.
    void sparseFiles_data() {
        QTest::addColumn<qint64>("dataAt"); // where one chunk of bytes is written, -1: none
        QTest::addColumn<char>("byte");
        QTest::addColumn<QString>("title");
        constexpr qint64 size = qint64(256) << 30;
        QTest::newRow("holes only") << qint64(-1) << '\0' << "Empty ZUF File";
        QTest::newRow("written zeros between holes") << (size / 2) << '\0' << "Empty ZUF File";
        QTest::newRow("a byte between holes") << (size / 2) << '\1' << "Bad ZUF File";
        QTest::newRow("a byte at the end") << (size - 1) << '\1' << "Bad ZUF File";
    }
    void sparseFiles() {
#ifndef Q_OS_UNIX
        QSKIP("sparse files are made with ftruncate");
#else
        QFETCH(qint64, dataAt);
        QFETCH(char, byte);
        QFETCH(QString, title);
        constexpr qint64 size = qint64(256) << 30;
        const QString path = m_dir.filePath(QStringLiteral("sparse.zuf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (::ftruncate(file.handle(), off_t(size)) != 0)
            QSKIP("the file system takes no file of 256 GiB");
        if (dataAt >= 0) {
            const QByteArray chunk(int(qMin<qint64>(65536, size - dataAt)), byte);
            QVERIFY(file.seek(dataAt));
            QCOMPARE(file.write(chunk), qint64(chunk.size()));
        }
        file.close();
        QElapsedTimer timer;
        timer.start();
        verifyBad(read(path), title.toLatin1().constData());
        // Reading 256 GiB of zeros would take minutes.
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
#endif
    }

    void unopenableFile_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << QStringLiteral("missing.zuf");
        QTest::newRow("folder") << QStringLiteral(".");
        QTest::newRow("empty path") << QString();
    }
    void unopenableFile() {
        QFETCH(QString, path);
        readFile(SampleFile()); // leave something behind
        const FileSummary& s = read(path.isEmpty() ? path : m_dir.filePath(path));
        verifyBad(s, "Can't open file");
        QCOMPARE(s.generation, quint16(0));
        QCOMPARE(s.measures, quint16(0));
        QCOMPARE(s.lastModule, quint16(0));
        QCOMPARE(s.moduleNames[0].text(), QString());
        QCOMPARE(s.tuning[0], quint8(0));
    }

    void generation0BecomesGeneration1() {
        SampleFile f;
        f.generation = 0;
        f.moduleFlag = 1;
        f.fixedTuning = {20, 21, 22, 23, 24, 25};
        f.modules = {Module(QStringLiteral("M"), 4, 40)};
        const FileSummary& s = readFile(f);
        QCOMPARE(s.currentEntry.isBad, quint8(0));
        QCOMPARE(s.generation, quint16(1));
        QCOMPARE(s.moduleNames[0].text(), QStringLiteral("M"));
        QCOMPARE(s.stringCount, quint16(4));
        QCOMPARE(s.tuning[0], quint8(40));
        QCOMPARE(s.tuning[4], quint8(24)); // left from offsets 208 to 219
    }

    void generation0EndsAtTheNotes_data() {
        QTest::addColumn<int>("cut");
        QTest::addColumn<bool>("good");
        QTest::newRow("ends exactly after the notes") << 0 << true;
        QTest::newRow("one byte short") << 1 << false;
    }
    void generation0EndsAtTheNotes() {
        QFETCH(int, cut);
        QFETCH(bool, good);
        SampleFile f;
        f.generation = 0;
        f.fixedTuning = {20, 15, 22, 17, 13, 20};
        f.fixedStringCount = 6;
        f.notes = QStringLiteral("notes here");
        f.blockLengths = {4};
        SampleLayout layout;
        QByteArray bytes = BuildSampleFile(f, &layout);
        QCOMPARE(layout.end, layout.notesStart + 2 + 10);
        QCOMPARE(layout.modulesStart, qint64(0));
        bytes.chop(cut);
        const FileSummary& s = readBytes(bytes);
        QCOMPARE(s.currentEntry.isBad, quint8(good ? 0 : 1));
        if (good) {
            QCOMPARE(s.notes.text(), f.notes);
            QCOMPARE(s.stringCount, quint16(6));
            QCOMPARE(s.tuning[0], quint8(20));
            QCOMPARE(s.tuning[5], quint8(20));
            QCOMPARE(s.moduleNames[0].text(), QString());
        }
    }

    void positionChecks_data() {
        QTest::addColumn<SampleFile>("file");
        QTest::addColumn<int>("cut");
        QTest::addColumn<bool>("good");
        SampleFile tables;
        tables.generation = 0;
        tables.tablePairCount = 100;
        tables.tableWordCount = 10;
        tables.measures = 300;
        tables.notesFlag = 0;
        QTest::newRow("tables end at the file end") << tables << 0 << true;
        QTest::newRow("tables past the file end") << tables << 1 << false;
        SampleFile blocks = tables;
        blocks.blockLengths = {10, 20};
        QTest::newRow("blocks end at the file end") << blocks << 0 << true;
        QTest::newRow("blocks past the file end") << blocks << 1 << false;
        SampleFile groups = tables;
        groups.generation = 2;
        groups.firstGroupCount = 1;
        groups.secondGroupCount = 2;
        groups.shortRecordCount = 3;
        groups.modules = {Module(QStringLiteral("X"), 6)};
        QTest::newRow("records before the modules") << groups << 0 << true;
        QTest::newRow("module record missing") << groups << 50 << false;
        groups.generation = 5;
        QTest::newRow("108-byte records") << groups << 0 << true;
    }
    void positionChecks() {
        QFETCH(SampleFile, file);
        QFETCH(int, cut);
        QFETCH(bool, good);
        QByteArray bytes = BuildSampleFile(file);
        bytes.chop(cut);
        const FileSummary& s = readBytes(bytes);
        QCOMPARE(s.currentEntry.isBad, quint8(good ? 0 : 1));
    }

    void newerModuleCounts_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lastModule");
        QTest::addColumn<int>("named");
        QTest::newRow("count 0, 16 records") << 16 << 0 << 65535 << 16;
        QTest::newRow("20 modules") << 20 << 20 << 19 << 16;
        QTest::newRow("count 65535, 16 records") << 16 << 65535 << 65534 << 16;
        QTest::newRow("count 3, one record") << 1 << 3 << 0 << 1;
        QTest::newRow("count 65535, two records") << 2 << 65535 << 1 << 2;
        QTest::newRow("count 5, no record") << 0 << 5 << 0 << 0;
    }
    void newerModuleCounts() {
        QFETCH(int, records);
        QFETCH(int, count);
        QFETCH(int, lastModule);
        QFETCH(int, named);
        // Fill every module name of the summary first: nothing may survive into the next read.
        SampleFile full = SampleFile::newer();
        full.modules.clear();
        for (int i = 0; i < 16; ++i)
            full.modules.push_back(Module(QStringLiteral("Old %1").arg(i), 6));
        readFile(full);

        SampleFile f = SampleFile::newer();
        f.modules.clear();
        for (int i = 0; i < records; ++i)
            f.modules.push_back(Module(QStringLiteral("Mod %1").arg(i + 1), 6));
        f.moduleCount = quint16(count);
        const FileSummary& s = readFile(f);
        QCOMPARE(s.currentEntry.isBad, quint8(0));
        QCOMPARE(int(s.lastModule), lastModule);
        for (int i = 0; i < 16; ++i) {
            const QString expected = i < named ? QStringLiteral("Mod %1").arg(i + 1) : QString();
            QCOMPARE(s.moduleNames[i].text(), expected);
        }
    }

    void newerStringCountIsBounded() {
        SampleFile f = SampleFile::newer();
        f.modules = {Module(QStringLiteral("Wide"), 12)};
        f.modules[0].stringCount = 200;
        const FileSummary& s = readFile(f);
        QCOMPARE(s.stringCount, quint16(12));
        QCOMPARE(s.tuning[12], quint8(0));
    }

    void newerBadTags_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("score chunk tag") << 0;
        QTest::newRow("module chunk tag") << 1;
        QTest::newRow("score chunk offset past the end") << 2;
        QTest::newRow("module chunk offset past the end") << 3;
    }
    void newerBadTags() {
        QFETCH(int, which);
        SampleFile f = SampleFile::newer();
        f.title = QStringLiteral("T");
        SampleLayout layout;
        QByteArray bytes = BuildSampleFile(f, &layout);
        if (which == 0)
            PutU16(bytes, layout.scoreChunk, 13);
        else if (which == 1)
            PutU16(bytes, layout.moduleChunk, 67);
        else
            PutU32(bytes, which == 2 ? 92 : 96, 0xFFFFFFF0u);
        verifyBad(readBytes(bytes), "Bad ZUF File");
    }

    void newerTextEdges() {
        SampleFile f = SampleFile::newer();
        f.title = QString(600, u'x');
        f.subtitle = QString();
        f.comments = QStringLiteral("ok");
        f.notes = QString(30000, u'n');
        SampleLayout layout;
        QByteArray bytes = BuildSampleFile(f, &layout);
        // Comments pointing past the end of the file read as empty.
        PutU32(bytes, 72, quint32(layout.end + 1000));
        const FileSummary& s = readBytes(bytes);
        QCOMPARE(s.currentEntry.isBad, quint8(0));
        QCOMPARE(s.title.text(), QString(511, u'x'));
        QVERIFY(s.subtitle.isEmpty());
        QVERIFY(s.comments.isEmpty());
        QCOMPARE(s.notes.text(), QString(24575, u'n'));
    }

    void olderTextEdges() {
        // The first 200 bytes hold no NUL: the title is cut at offset 199 and fitted to 198
        // characters; the subtitle begins at offset 200 (the measures, then the numerator).
        SampleFile f;
        f.measures = 0x4142;
        f.numerator = 2;
        QByteArray bytes = BuildSampleFile(f);
        for (int i = 0; i < 200; ++i)
            bytes[i] = 'a';
        const FileSummary& s = readBytes(bytes);
        QCOMPARE(s.currentEntry.isBad, quint8(0));
        QCOMPARE(s.title.text(), QString(198, u'a'));
        QCOMPARE(s.subtitle.text(), QStringLiteral("BA\x02"));
    }

    void olderLongTexts() {
        SampleFile f;
        f.title = QString(60, QChar(0xE9));
        f.subtitle = QString(10, u's');
        f.comments = QString(120, u'c');
        f.notes = QString(40000, QChar(0xE9));
        const FileSummary& s = readFile(f);
        QCOMPARE(s.title.text(), f.title);
        QCOMPARE(s.subtitle.text(), f.subtitle);
        QCOMPARE(s.comments.text(), f.comments.left(200 - 60 - 10 - 3));
        QCOMPARE(s.notes.text(), QString(16383, QChar(0xE9))); // 32766 UTF-8 bytes
    }

    void hostileOlderCounts_data() {
        QTest::addColumn<QByteArray>("bytes");
        SampleFile f;
        f.blockLengths.assign(65535, 0);
        QByteArray manyBlocks = BuildSampleFile(f);
        manyBlocks.truncate(400);
        QTest::newRow("65535 blocks in a short file") << manyBlocks;
        QByteArray counts = BuildSampleFile(SampleFile());
        PutU16(counts, 256, 65535);
        PutU16(counts, 222, 65535);
        QTest::newRow("huge table counts") << counts;
        QByteArray groups = BuildSampleFile(SampleFile());
        PutU8(groups, 234, 255);
        PutU8(groups, 235, 255);
        PutU16(groups, 236, 65535);
        QTest::newRow("huge record groups") << groups;
        QByteArray notes = BuildSampleFile(SampleFile());
        PutU8(notes, 238, 1);
        QTest::newRow("notes flag without notes") << notes;
    }
    void hostileOlderCounts() {
        QFETCH(QByteArray, bytes);
        verifyBad(readBytes(bytes), "Bad ZUF File");
    }

    void noStaleDataAfterShortFile() {
        SampleFile full;
        full.title = QStringLiteral("First");
        full.subtitle = QStringLiteral("Author");
        full.comments = QStringLiteral("Comments");
        full.notes = QStringLiteral("Notes");
        full.modules = {Module(QStringLiteral("One"), 6), Module(QStringLiteral("Two"), 6)};
        readFile(full);

        // A newer file cut right after its module chunk header that claims two modules.
        SampleFile f = SampleFile::newer();
        f.title = QStringLiteral("Second");
        SampleLayout layout;
        QByteArray bytes = BuildSampleFile(f, &layout);
        bytes.truncate(layout.moduleChunk + 4);
        PutU16(bytes, layout.moduleChunk + 2, 2);
        const FileSummary& s = readBytes(bytes);
        QCOMPARE(s.title.text(), QStringLiteral("Second"));
        QVERIFY(s.subtitle.isEmpty());
        QVERIFY(s.notes.isEmpty());
        QVERIFY(s.moduleNames[0].isEmpty());
        QVERIFY(s.moduleNames[1].isEmpty());
        QCOMPARE(s.stringCount, quint16(0));
        QCOMPARE(s.tuning[0], quint8(0));
    }

    void writerLayout() {
        SampleFile f;
        f.generation = 4;
        f.title = QStringLiteral("T\u00E9");
        f.subtitle = QStringLiteral("S");
        f.comments = QString();
        f.measures = 9;
        f.keySignature = 3;
        f.minor = true;
        f.versionWord = 0x0250;
        f.versionExtra = 7;
        f.modules = {Module(QStringLiteral("Ab"), 3), Module(QStringLiteral("Cd"), 5)};
        SampleLayout layout;
        const QByteArray b = BuildSampleFile(f, &layout);
        QCOMPARE(b.left(6), QByteArray("T\xE9\0S\0\0", 6));
        QCOMPARE(b.mid(6, 194), QByteArray(194, '\0'));
        QCOMPARE(quint8(b[200]), quint8(9));
        QCOMPARE(quint8(b[202]), quint8(4));
        QCOMPARE(quint8(b[204]), quint8(4));
        QCOMPARE(quint8(b[205]), quint8(4));
        QCOMPARE(quint8(b[206]), quint8(11)); // 3 sharps minor
        QCOMPARE(quint8(b[241]), quint8(1));
        QCOMPARE(quint8(b[246]), quint8(0x50));
        QCOMPARE(quint8(b[247]), quint8(0x02));
        QCOMPARE(quint8(b[249]), quint8(7));
        QCOMPARE(layout.blocksStart, qint64(258));
        QCOMPARE(layout.modulesStart, qint64(258));
        QCOMPARE(layout.end, qint64(258 + 100));
        QCOMPARE(b.size(), 358);
        QCOMPARE(quint8(b[258 + 50 + 0]), quint8(5));
        QCOMPARE(quint8(b[258 + 50 + 2]), quint8(3));
        QCOMPARE(b.mid(258 + 50 + 32, 3), QByteArray("Cd\0", 3));

        SampleFile n = SampleFile::newer();
        n.title = QStringLiteral("\u00E9");
        const QByteArray nb = BuildSampleFile(n, &layout);
        QCOMPARE(quint8(nb[204]), quint8(4));
        QCOMPARE(quint8(nb[205]), quint8(10));
        QCOMPARE(quint8(nb[64]), quint8(208));
        QCOMPARE(nb.mid(208, 4), QByteArray("\x02\0\xC3\xA9", 4));
        QCOMPARE(layout.scoreChunk + 16, layout.moduleChunk);
        QCOMPARE(layout.end, layout.moduleChunk + 4 + 68);
        QCOMPARE(nb.mid(layout.moduleChunk + 4 + 32, 7), QByteArray("Guitar\0", 7));
    }

    void writeInfoBlock() {
        SampleFile f;
        f.title = QStringLiteral("Long old title");
        f.subtitle = QStringLiteral("Old author");
        f.notes = QStringLiteral("Notes stay");
        const QByteArray before = BuildSampleFile(f);
        const QString path = put(before);
        QCOMPARE(WriteInfoBlock(path, u"A", u"", u"B"), 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.left(5), QByteArray("A\0\0B\0", 5));
        QCOMPARE(after.mid(5, 195), QByteArray(195, '\0'));
        QCOMPARE(after.mid(200), before.mid(200));
        const FileSummary& s = read(path);
        QCOMPARE(s.title.text(), QStringLiteral("A"));
        QVERIFY(s.subtitle.isEmpty());
        QCOMPARE(s.comments.text(), QStringLiteral("B"));
        QCOMPARE(s.notes.text(), QStringLiteral("Notes stay"));
    }

    // Whatever the lengths, the three texts and their NULs stay inside the block, so the next
    // read finds exactly what was kept, never the score's numbers as a subtitle.
    void writeInfoBlockBoundsTexts_data() {
        QTest::addColumn<int>("title");
        QTest::addColumn<int>("subtitle");
        QTest::addColumn<int>("comments");
        QTest::addColumn<int>("keptTitle");
        QTest::addColumn<int>("keptSubtitle");
        QTest::addColumn<int>("keptComments");
        QTest::newRow("long title") << 250 << 1 << 1 << 197 << 0 << 0;
        QTest::newRow("title of 198") << 198 << 3 << 3 << 197 << 0 << 0;
        QTest::newRow("title and subtitle") << 100 << 98 << 5 << 100 << 97 << 0;
        QTest::newRow("all three share") << 50 << 50 << 200 << 50 << 50 << 97;
    }
    void writeInfoBlockBoundsTexts() {
        QFETCH(int, title);
        QFETCH(int, subtitle);
        QFETCH(int, comments);
        QFETCH(int, keptTitle);
        QFETCH(int, keptSubtitle);
        QFETCH(int, keptComments);
        const QString path = put(BuildSampleFile(SampleFile()));
        QCOMPARE(WriteInfoBlock(path, QString(title, u't'), QString(subtitle, u's'),
                                QString(comments, u'c')),
                 0);
        const FileSummary& s = read(path);
        QCOMPARE(s.currentEntry.isBad, quint8(0));
        QCOMPARE(s.title.text(), QString(keptTitle, u't'));
        QCOMPARE(s.subtitle.text(), QString(keptSubtitle, u's'));
        QCOMPARE(s.comments.text(), QString(keptComments, u'c'));
        QCOMPARE(s.measures, quint16(16));
    }

    // A failure answers with the system's own code of the call that failed, for its text.
    void writeInfoBlockFailures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("error");
#ifdef Q_OS_WIN
        QTest::newRow("missing file") << QStringLiteral("/nonexistent-folder/x.zuf") << 3;
        QTest::newRow("folder") << QDir::tempPath() << 5; // ERROR_ACCESS_DENIED
#else
        QTest::newRow("missing file") << QStringLiteral("/nonexistent-folder/x.zuf") << ENOENT;
        QTest::newRow("folder") << QDir::tempPath() << EISDIR;
        QTest::newRow("write fails") << QStringLiteral("/dev/full") << ENOSPC;
#endif
    }
    void writeInfoBlockFailures() {
        QFETCH(QString, path);
        QFETCH(int, error);
        if (path == u"/dev/full" && !QFile::exists(path))
            QSKIP("no /dev/full here");
        QCOMPARE(WriteInfoBlock(path, u"A", u"B", u"C"), error);
    }

    void writeInfoBlockReadOnlyFile() {
        const QByteArray before = BuildSampleFile(SampleFile());
        const QString path = put(before);
        QFile::setPermissions(path, QFile::ReadOwner);
        if (QFile probe(path); probe.open(QIODevice::WriteOnly | QIODevice::Append))
            QSKIP("a read-only file stays writable for this user (the superuser, or Wine as root)");
#ifdef Q_OS_WIN
        QCOMPARE(WriteInfoBlock(path, u"A", u"B", u"C"), 5); // ERROR_ACCESS_DENIED
#else
        QCOMPARE(WriteInfoBlock(path, u"A", u"B", u"C"), EACCES);
#endif
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
};

QTEST_GUILESS_MAIN(TestFileReader)
#include "tst_file_reader.moc"
