#include "fileops/folder_history.h"
#include "platform/folder_path.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The main window as the store sees it.
struct FakeWindow : WindowPlacement {
    QRect rect{100, 100, 400, 300};
    bool minimized = false;
    int moves = 0;
    QRect outerRect() const override { return rect; }
    bool isMinimized() const override { return minimized; }
    void moveWithoutRepaint(const QRect& outer) override {
        rect = outer;
        ++moves;
    }
};

static QString Widths(const ColumnTable& columns) {
    QStringList list;
    for (const ColumnSpec& c : columns)
        list << QString::number(c.width);
    return list.join(u' ');
}

static QString Visible(const ColumnTable& columns) {
    QString bits;
    for (const ColumnSpec& c : columns)
        bits += c.visible ? u'1' : u'0';
    return bits;
}

class TestSettings : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_file;
    QString m_startDir;
    std::unique_ptr<SettingsStore> m_store; // a store of its own file for each test
    int m_fileCount = 0;
    Settings m_settings;
    FolderHistory m_history;

    QStringList History() const {
        return QStringList(m_history.entries.begin(), m_history.entries.end());
    }

    // Stores a value as the test gives it (a list or a number is not plain text), in the file's
    // own format: QSettings shares what it read of a file between the formats that open it, and
    // its INI format on Windows would hand the store keys in lower case.
    void store(const QString& name, const QVariant& value) {
        if (value.isValid())
            QSettings(m_file, SettingsFileFormat()).setValue(name, value);
    }
    QString stored(const QString& name) {
        QString text;
        m_store->readSetting(name, u"<absent>", text, 1 << 20);
        return text;
    }

private slots:
    void initTestCase() {
        // Nothing here may reach the user's own settings.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        m_startDir = QDir::currentPath();
    }
    void init() {
        m_file = m_dir.filePath(QStringLiteral("store%1.ini").arg(++m_fileCount));
        m_store = std::make_unique<SettingsStore>(m_file);
        m_settings = Settings{};
        m_history = FolderHistory{};
        QDir::setCurrent(m_startDir);
    }
    void cleanupTestCase() {
        m_store.reset();
        QDir::setCurrent(m_startDir);
    }

    void readSetting_data() {
        QTest::addColumn<QVariant>("value"); // invalid: not stored
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        const QString path255(255, u'p');
        QTest::newRow("absent") << QVariant() << 16 << 0 << "dflt";
        QTest::newRow("stored empty") << QVariant(QString()) << 16 << 0 << "";
        QTest::newRow("longest that fits") << QVariant("1234567") << 16 << 7 << "1234567";
        QTest::newRow("one too long") << QVariant("12345678") << 16 << 0 << "dflt";
        QTest::newRow("path of 255") << QVariant(path255) << 512 << 255 << path255;
        QTest::newRow("path of 256") << QVariant(path255 + u'p') << 512 << 0 << "dflt";
        QTest::newRow("ends at NUL")
            << QVariant(QString(QStringLiteral("ab") + QChar(0) + u'c')) << 16 << 2 << "ab";
        QTest::newRow("unquoted commas") << QVariant(QStringList{"10", "20"}) << 64 << 5 << "10,20";
        QTest::newRow("number") << QVariant(1056) << 16 << 4 << "1056";
    }
    void readSetting() {
        QFETCH(QVariant, value);
        QFETCH(int, limit);
        QFETCH(int, result);
        QFETCH(QString, text);
        store(QStringLiteral("v"), value);
        QString buffer = QStringLiteral("old");
        QCOMPARE(m_store->readSetting(u"v", u"dflt", buffer, limit), result);
        QCOMPARE(buffer, text);
    }

    void writeSettingRoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("commas") << QStringLiteral("1,2,3,4");
        QTest::newRow("looks like a type") << QStringLiteral("@Variant(x)");
        QTest::newRow("non-ASCII") << QStringLiteral("/música/Ölé/");
#ifndef Q_OS_WIN
        // A folder whose name is not UTF-8 keeps its bytes.
        QTest::newRow("undecodable name")
            << QString(QStringLiteral("/tabs/") + QChar(0xDC81) + QChar(0xDCE9) + u'/');
#endif
    }
    void writeSettingRoundTrip() {
        QFETCH(QString, text);
        QCOMPARE(m_store->writeSetting(u"v", text), 1);
        // Read from the file itself, not from what this process remembers of it.
        const QString copy = m_file + QStringLiteral(".copy");
        QVERIFY(QFile::copy(m_file, copy));
        m_store = std::make_unique<SettingsStore>(copy);
        QString buffer;
        QCOMPARE(m_store->readSetting(u"v", u"dflt", buffer, 512), int(text.size()));
        QCOMPARE(buffer, text);
    }

    // Every byte the file gives a meaning to is written so that it reads back as it was, and
    // in the form the file has always had.
    void fileQuoting_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("file"); // after the "[General]" line
        const QVariant plain(QStringLiteral("v"));
        QTest::newRow("semicolon") << "k" << QVariant("a;b") << QByteArray("k=\"a;b\"\n");
        QTest::newRow("equals") << "k" << QVariant("a=b") << QByteArray("k=\"a=b\"\n");
        QTest::newRow("comma") << "k" << QVariant("a,b") << QByteArray("k=\"a,b\"\n");
        QTest::newRow("double quote") << "k" << QVariant("a\"b") << QByteArray("k=a\\\"b\n");
        QTest::newRow("hash") << "k" << QVariant("#a") << QByteArray("k=#a\n");
        QTest::newRow("blank inside") << "k" << QVariant("a b") << QByteArray("k=a b\n");
        QTest::newRow("leading blank") << "k" << QVariant(" a") << QByteArray("k=\" a\"\n");
        QTest::newRow("trailing blank") << "k" << QVariant("a ") << QByteArray("k=\"a \"\n");
        QTest::newRow("leading tab") << "k" << QVariant("\ta") << QByteArray("k=\"\\ta\"\n");
        QTest::newRow("backslash") << "k" << QVariant("a\\b") << QByteArray("k=a\\\\b\n");
        QTest::newRow("line ends") << "k" << QVariant("a\r\nb") << QByteArray("k=a\\r\\nb\n");
        QTest::newRow("control byte")
            << "k" << QVariant(QString(QChar(1)) + QChar(0)) << QByteArray("k=\\x0001\\x0000\n");
        QTest::newRow("non-ASCII") << "k" << QVariant("/m\u00FAsica/\u20AC")
                                   << QByteArray("k=/m\xC3\xBAsica/\xE2\x82\xAC\n");
        QTest::newRow("at sign") << "k" << QVariant("@x") << QByteArray("k=@@x\n");
        QTest::newRow("empty") << "k" << QVariant("") << QByteArray("k=\n");
        QTest::newRow("list") << "k" << QVariant(QStringList{"a", "", " b", "c;d"})
                              << QByteArray("k=a, , \" b\", \"c;d\"\n");
        QTest::newRow("bytes") << "k" << QVariant(QByteArray("a\xFF,"))
                               << QByteArray("k=\"@ByteArray(a\xC3\xBF,)\"\n");
        QTest::newRow("key with specials")
            << "#a;b=c d\u00E9\u20AC" << plain << QByteArray("%23a%3Bb%3Dc%20d%E9%U20AC=v\n");
        QTest::newRow("key in a group") << "g h/k/l" << plain << QByteArray("\n[g%20h]\nk\\l=v\n");
        QTest::newRow("group named General")
            << "General/k" << plain << QByteArray("\n[%47eneral]\nk=v\n");
#ifndef Q_OS_WIN
        const QString undecodable = QString(QChar(0xDCE9)) + QChar(0xDCFF);
        QTest::newRow("undecodable bytes") << "k" << QVariant(undecodable) << QByteArray("k=\xE9\xFF\n");
        QTest::newRow("undecodable key") << undecodable << plain << QByteArray("%UDCE9%UDCFF=v\n");
#endif
    }
    void fileQuoting() {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, file);
        const QSettings::SettingsMap map{{key, value}};
        const QByteArray text = SettingsFileText(map);
        QCOMPARE(text, "[General]\n" + file);
        QCOMPARE(ReadSettingsText(text), map);
    }

    // A file of any size costs a bounded reading: what is beyond the bounds reads as absent,
    // and the file written back is no larger than the one read. A value after an over-long one
    // is still read; one after more values than are kept is not.
    void hostileFileIsBounded_data() {
        QTest::addColumn<QByteArray>("junk"); // between the working folder and the viewer
        QTest::addColumn<bool>("viewerRead");
        QByteArray values;
        for (int i = 0; i < 1000000; ++i)
            values += "v" + QByteArray::number(i) + "=1\n";
        QByteArray big;
        for (int i = 0; i < 20; ++i)
            big += "big" + QByteArray::number(i) + '=' + QByteArray(100000, 'x') + '\n';
        QTest::newRow("five million commas") << "WindowPos=" + QByteArray(5000000, ',') + '\n' << true;
        // The rest of an over-long line is not read as a line of its own.
        QTest::newRow("a line longer than the bound")
            << "j=" + QByteArray(SettingsLineMax - 1, 'x') + "WindowPos=10,20,650,500\n" << true;
        QTest::newRow("a list of a thousand") << "list=" + QByteArray(1000, ',') + '\n' << true;
        QTest::newRow("a value of 8 MB") << "szStrumlexPath=" + QByteArray(8 << 20, 'e') + '\n' << true;
        QTest::newRow("a million values") << values << false;
        QTest::newRow("2 MB in long values") << big << true;
    }
    void hostileFileIsBounded() {
        QFETCH(QByteArray, junk);
        QFETCH(bool, viewerRead);
        const QByteArray read =
            "[General]\nszPathName1=/kept/\n" + junk + "szZufViewPath=/bin/viewer\n";
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(read);
        file.close();
        FakeWindow window;
        QCOMPARE(m_store->loadStartupSettings(m_settings, m_history), QStringLiteral("/kept/"));
        m_store->loadWindowSettings(m_settings.columnTable, window);
        QCOMPARE(m_settings.viewerPath.text(),
                 viewerRead ? QStringLiteral("/bin/viewer") : DefaultViewerPath.toString());
        QCOMPARE(m_settings.editorPath.text(), DefaultEditorPath.toString());
        QCOMPARE(window.moves, 0);
        m_store->saveWindowSettings(m_settings.columnTable, window);
        m_store->saveExitSettings(m_settings, m_history, QStringLiteral("/kept/"));

        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        QVERIFY2(written.size() <= std::min(read.size(), SettingsKeptMax + 4096),
                 qPrintable(QString::number(written.size())));
        QVERIFY(ReadSettingsText(written).size() <= SettingsValueMax);
    }

    void settingDecimal_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("white space and sign") << " \t\n -42" << -42;
        QTest::newRow("plus") << "+5" << 5;
        QTest::newRow("trailing letters") << "250px" << 250;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("sign alone") << "- 3" << 0;
        QTest::newRow("too large") << "99999999999" << 2147483647;
        QTest::newRow("too small") << "-99999999999" << int(-2147483647 - 1);
    }
    void settingDecimal() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(SettingDecimal(text), value);
    }

    void firstRunDefaults() {
        FakeWindow window;
        const QString working = m_store->loadStartupSettings(m_settings, m_history);
        m_store->loadWindowSettings(m_settings.columnTable, window);
        QString documents;
        if (GetDocumentsFolder(documents))
            QCOMPARE(working, NormalisedFolder(documents));
        QCOMPARE(m_settings.editorPath.text(), DefaultEditorPath.toString());
        QCOMPARE(m_settings.viewerPath.text(), DefaultViewerPath.toString());
        QCOMPARE(m_settings.listExStyle, 1056u);
        QCOMPARE(Widths(m_settings.columnTable), QStringLiteral("100 80 60 40 100 100 100"));
        QCOMPARE(Visible(m_settings.columnTable), QStringLiteral("1111111"));
        QCOMPARE(window.moves, 0);
        QCOMPARE(m_history.historyCount(), 0);
    }

    void startupValues_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<uint>("exStyle");
        const QString editor = DefaultEditorPath.toString();
        QTest::newRow("editor stored empty") << "szStrumlexPath" << QVariant("") << "" << 1056u;
        QTest::newRow("style stored empty") << "dwExStyle" << QVariant("") << editor << 0u;
        QTest::newRow("style all bits") << "dwExStyle" << QVariant("-1") << editor << 0xFFFFFFFFu;
    }
    void startupValues() {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(QString, editor);
        QFETCH(uint, exStyle);
        store(name, value);
        m_store->loadStartupSettings(m_settings, m_history);
        QCOMPARE(m_settings.editorPath.text(), editor);
        QCOMPARE(m_settings.listExStyle, exStyle);
    }

    // Paths are kept whatever their length, through the start of a run and its end.
    void longPathsAreKept_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("working folder") << "szPathName1";
        QTest::newRow("history entry") << "szPathList0";
        QTest::newRow("editor") << "szStrumlexPath";
        QTest::newRow("viewer") << "szZufViewPath";
        QTest::newRow("rename pattern") << "szRenamePattern0";
        QTest::newRow("name pattern") << "szNamePattern0";
    }
    void longPathsAreKept() {
        QFETCH(QString, name);
        const QString path = NormalisedFolder(u'/' + QString(600, u'p'));
        QCOMPARE(m_store->writeSetting(name, path), 1);
        const QString working = m_store->loadStartupSettings(m_settings, m_history);
        const QString loaded = name == u"szPathName1"      ? working
                               : name == u"szStrumlexPath" ? m_settings.editorPath.text()
                               : name == u"szZufViewPath"  ? m_settings.viewerPath.text()
                               : name == u"szRenamePattern0" ? m_settings.renamePatterns.value(0)
                               : name == u"szNamePattern0"   ? m_settings.namePatterns.value(0)
                                                             : History().value(0);
        QCOMPARE(loaded, path);
        m_store->saveExitSettings(m_settings, m_history, working);
        QCOMPARE(stored(name), path);
    }

    void workingFolder() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString stored = NormalisedFolder(QDir::toNativeSeparators(folder.path()));
        m_store->writeSetting(u"szPathName1", stored);
        QCOMPARE(m_store->loadStartupSettings(m_settings, m_history), stored);
        // A stored folder that no longer exists is handed back too: the start-up decides. The
        // process's current directory is left alone either way.
        m_store->writeSetting(u"szPathName1", stored + QStringLiteral("gone"));
        QCOMPARE(m_store->loadStartupSettings(m_settings, m_history), stored + QStringLiteral("gone"));
        QCOMPARE(QDir::currentPath(), m_startDir);
    }

    void columnWidth_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("width");
        QTest::newRow("absent keeps the current width") << QVariant() << 77;
        QTest::newRow("five") << QVariant("5") << 10;
        QTest::newRow("stored empty") << QVariant("") << 10;
        QTest::newRow("letters") << QVariant("abc") << 10;
        QTest::newRow("250px") << QVariant("250px") << 250;
        QTest::newRow("too long") << QVariant("00000250") << 77;
    }
    void columnWidth() {
        QFETCH(QVariant, value);
        QFETCH(int, width);
        m_settings.columnTable[ColumnAuthor].width = 77;
        store(QStringLiteral("Column6"), value); // the Author column
        FakeWindow window;
        m_store->loadWindowSettings(m_settings.columnTable, window);
        QCOMPARE(m_settings.columnTable[ColumnAuthor].width, width);
        QCOMPARE(m_settings.columnTable[ColumnTitle].width, 100);
    }

    void visibleColumns_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("visible");
        QTest::newRow("stored empty") << QVariant("") << "1111111";
        QTest::newRow("zero hides all") << QVariant("0") << "0000000";
        QTest::newRow("name, date, tuning") << QVariant("69") << "1010001";
    }
    void visibleColumns() {
        QFETCH(QVariant, value);
        QFETCH(QString, visible);
        store(QStringLiteral("wColumns"), value);
        FakeWindow window;
        m_store->loadWindowSettings(m_settings.columnTable, window);
        QCOMPARE(Visible(m_settings.columnTable), visible);
    }

    void saveWindowSettings() {
        m_store->writeSetting(u"wColumns", u"0");
        FakeWindow window;
        m_store->loadWindowSettings(m_settings.columnTable, window);
        window.rect = QRect(10, 20, 640, 480);
        ColumnTable& columns = m_settings.columnTable;
        columns[ColumnPath].width = 5; // written as it is held
        columns[ColumnSize].visible = 1;
        columns[ColumnTuning].width = 333;
        m_store->saveWindowSettings(m_settings.columnTable, window);
        QCOMPARE(stored(QStringLiteral("Column2")), QStringLiteral("5"));
        QCOMPARE(stored(QStringLiteral("wColumns")), QStringLiteral("9")); // Name comes back
        QCOMPARE(stored(QStringLiteral("WindowPos")), QStringLiteral("10,20,650,500"));

        m_settings = Settings{};
        FakeWindow next;
        m_store->loadWindowSettings(m_settings.columnTable, next);
        QCOMPARE(Widths(m_settings.columnTable), QStringLiteral("100 10 60 40 100 100 333"));
        QCOMPARE(Visible(m_settings.columnTable), QStringLiteral("1001000"));
        QCOMPARE(next.rect, QRect(10, 20, 640, 480));
    }

    void minimizedKeepsWindowPos() {
        m_store->writeSetting(u"WindowPos", u"1,2,301,202");
        FakeWindow window;
        window.minimized = true;
        window.rect = QRect(-32000, -32000, 160, 28);
        m_store->saveWindowSettings(m_settings.columnTable, window);
        QCOMPARE(stored(QStringLiteral("WindowPos")), QStringLiteral("1,2,301,202"));
        QCOMPARE(stored(QStringLiteral("Column1")), QStringLiteral("100"));
    }

    void windowPos_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QRect>("rect"); // null: the window is not moved
        const QRect moved(10, 20, 640, 480);
        QTest::newRow("plain") << QVariant("10,20,650,500") << moved;
        QTest::newRow("blanks") << QVariant(" 10, 20, 650, 500,9") << moved;
        QTest::newRow("unquoted in the file")
            << QVariant(QStringList{"10", "20", "650", "500"}) << moved;
        QTest::newRow("longest that fits") << QVariant("0000010,0000020,0000650,0000500") << moved;
        QTest::newRow("too long") << QVariant("00000010,0000020,0000650,0000500") << QRect();
        QTest::newRow("two commas") << QVariant("10,20,650") << QRect();
        QTest::newRow("stored empty") << QVariant("") << QRect();
        QTest::newRow("upside down") << QVariant("10,500,650,20") << QRect();
    }
    void windowPos() {
        QFETCH(QVariant, value);
        QFETCH(QRect, rect);
        store(QStringLiteral("WindowPos"), value);
        FakeWindow window;
        const QRect before = window.rect;
        m_store->loadWindowSettings(m_settings.columnTable, window);
        QCOMPARE(window.moves, rect.isNull() ? 0 : 1);
        QCOMPARE(window.rect, rect.isNull() ? before : rect);
    }

    void historyLoad_data() {
        QTest::addColumn<QStringList>("values"); // "-": not stored, "": stored empty
        QTest::addColumn<QStringList>("history");
        const QString a = NormalisedFolder(QStringLiteral("/a"));
        const QString b = NormalisedFolder(QStringLiteral("/b"));
        const QString c = NormalisedFolder(QStringLiteral("/c"));
        QTest::newRow("stored order") << QStringList{a, b, c} << QStringList{a, b, c};
        QTest::newRow("gap at 2") << QStringList{a, b, "-", c} << QStringList{a, b};
        QTest::newRow("empty at 2") << QStringList{a, b, "", c} << QStringList{a, b};
        QStringList eleven;
        for (int i = 0; i < 11; ++i)
            eleven << NormalisedFolder(QStringLiteral("/f%1").arg(i));
        QTest::newRow("ten at most") << eleven << eleven.mid(0, 10);
    }
    void historyLoad() {
        QFETCH(QStringList, values);
        QFETCH(QStringList, history);
        for (int i = 0; i < values.size(); ++i) {
            if (values[i] != u"-")
                m_store->writeSetting(QStringLiteral("szPathList%1").arg(i), values[i]);
        }
        m_store->loadStartupSettings(m_settings, m_history);
        QCOMPARE(History(), history);
    }

    void historyWithWorkingFolder() {
        const QString one = NormalisedFolder(QStringLiteral("/one"));
        const QString two = NormalisedFolder(QStringLiteral("/two"));
        const QString three = NormalisedFolder(QStringLiteral("/three"));
        m_store->writeSetting(u"szPathList0", one);
        m_store->writeSetting(u"szPathList1", two);
        m_store->writeSetting(u"szPathList2", three);
        m_store->writeSetting(u"szPathName1", three);
        QString working =
            m_store->loadStartupSettings(m_settings, m_history); // the folder box adds it to the history
        QVERIFY(AddToFolderHistory(m_history, working));
        QCOMPARE(History(), QStringList({three, one, two}));
        m_store->saveExitSettings(m_settings, m_history, working);
        QStringList saved;
        for (int i = 0; i < 3; ++i)
            saved << stored(QStringLiteral("szPathList%1").arg(i));
        QCOMPARE(saved, QStringList({three, one, two}));
    }

    void exitSave() {
        m_store->writeSetting(u"szPathList11", u"/old/"); // higher numbers of a former run stay
        for (int i = 11; i >= 0; --i) {
            QString folder = QStringLiteral("/h%1").arg(i);
            QVERIFY(AddToFolderHistory(m_history, folder));
        }
        m_settings.editorPath = u"/bin/editor";
        m_settings.viewerPath = u"";
        m_settings.listExStyle = 0xFFFFFFFFu;
        m_store->saveExitSettings(m_settings, m_history, QStringLiteral("/work/"));
        QCOMPARE(stored(QStringLiteral("szPathList9")), NormalisedFolder(QStringLiteral("/h9")));
        QCOMPARE(stored(QStringLiteral("szPathList10")), QStringLiteral("<absent>"));
        QCOMPARE(stored(QStringLiteral("szPathList11")), QStringLiteral("/old/"));
        QCOMPARE(stored(QStringLiteral("szPathName1")), QStringLiteral("/work/"));
        QCOMPARE(stored(QStringLiteral("szStrumlexPath")), QStringLiteral("/bin/editor"));
        QCOMPARE(stored(QStringLiteral("dwExStyle")), QStringLiteral("-1"));

        // The next run reads back what this one stored.
        m_settings = Settings{};
        m_history = FolderHistory{};
        m_store->loadStartupSettings(m_settings, m_history);
        QCOMPARE(m_settings.listExStyle, 0xFFFFFFFFu);
        QCOMPARE(m_settings.viewerPath.text(), QString());
        QCOMPARE(m_history.historyCount(), 10);
    }

#ifndef Q_OS_WIN
    // A folder whose name is not UTF-8 is read and written back byte for byte, however the
    // file writes it.
    void undecodableBytesSurvive_data() {
        QTest::addColumn<QByteArray>("value"); // as the file holds it
        QTest::newRow("code page 1252 folder") << QByteArray("/m\xfasica/");
        QTest::newRow("mixed with UTF-8") << QByteArray("/caf\xc3\xa9/d\xe9j\xe0/");
        QTest::newRow("quoted, with a comma") << QByteArray("\"/a,b\xff/\"");
        QTest::newRow("escaped quote and backslash") << QByteArray("/x\\\\y\\\"\xe9/");
    }
    void undecodableBytesSurvive() {
        QFETCH(QByteArray, value);
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nszPathName1=" + value + "\nszPathList0=" + value + "\n");
        file.close();
        const QString working = m_store->loadStartupSettings(m_settings, m_history);
        QCOMPARE(m_history.historyCount(), 1);
        m_store->saveExitSettings(m_settings, m_history, working);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QVERIFY2(saved.contains("\nszPathName1=" + value + '\n'), saved.constData());
        QVERIFY2(saved.contains("\nszPathList0=" + value + '\n'), saved.constData());
    }
#endif
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
