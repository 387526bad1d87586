#include "app/app_state.h"
#include "fileops/folder_history.h"
#include "fileops/folder_path.h"
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

class TestSettings : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_file;
    QString m_startDir;
    int m_fileCount = 0;

    // A value stored as something other than plain text (a list, a number).
    void storeRaw(const QString& name, const QVariant& value) {
        QSettings(m_file, QSettings::IniFormat).setValue(name, value);
    }
    QString stored(const QString& name) {
        QString text;
        ReadSetting(name, u"<absent>", text, 1024);
        return text;
    }
    QStringList widths() const {
        QStringList list;
        for (const ColumnSpec& c : settings().columnTable)
            list << QString::number(c.width);
        return list;
    }
    QString visibleMask() const {
        QString bits;
        for (const ColumnSpec& c : settings().columnTable)
            bits += c.visible ? u'1' : u'0';
        return bits;
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
        SetSettingsFile(m_file);
        ResetSettings();
        ResetAppState();
        ResetFolderHistory();
        QDir::setCurrent(m_startDir);
    }
    void cleanupTestCase() {
        SetSettingsFile({});
        QDir::setCurrent(m_startDir);
    }

    void readSetting_data() {
        QTest::addColumn<QVariant>("value"); // invalid: not stored
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        const QString max7 = QStringLiteral("1234567");
        const QString path255(255, u'p');
        QTest::newRow("absent") << QVariant() << 16 << 0 << "dflt";
        QTest::newRow("stored empty") << QVariant(QString()) << 16 << 0 << "";
        QTest::newRow("plain") << QVariant(QStringLiteral("250px")) << 16 << 5 << "250px";
        QTest::newRow("longest that fits") << QVariant(max7) << 16 << 7 << max7;
        QTest::newRow("one too long") << QVariant(max7 + u'8') << 16 << 0 << "dflt";
        QTest::newRow("path of 255") << QVariant(path255) << 512 << 255 << path255;
        QTest::newRow("path of 256") << QVariant(path255 + u'p') << 512 << 0 << "dflt";
        QTest::newRow("ends at NUL")
            << QVariant(QStringLiteral("ab") + QChar(0) + QStringLiteral("cdefghijkl")) << 16 << 2
            << "ab";
        QTest::newRow("unquoted commas")
            << QVariant(QStringList{"10", "20", "650", "500"}) << 64 << 13 << "10,20,650,500";
        QTest::newRow("number") << QVariant(1056) << 16 << 4 << "1056";
    }
    void readSetting() {
        QFETCH(QVariant, value);
        QFETCH(int, limit);
        QFETCH(int, result);
        QFETCH(QString, text);
        if (value.isValid())
            storeRaw(QStringLiteral("v"), value);
        QString buffer = QStringLiteral("old");
        QCOMPARE(ReadSetting(u"v", u"dflt", buffer, limit), result);
        QCOMPARE(buffer, text);
    }

    void writeSettingRoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("commas") << QStringLiteral("1,2,3,4");
        QTest::newRow("looks like a type") << QStringLiteral("@Variant(x)");
        QTest::newRow("non-ASCII") << QStringLiteral("/música/Ölé/");
#ifndef Q_OS_WIN
        // A folder whose name is not UTF-8 keeps its bytes.
        QTest::newRow("undecodable name")
            << (QStringLiteral("/tabs/") + QChar(0xDC81) + QChar(0xDCE9) + QStringLiteral("x/"));
#endif
    }
    void writeSettingRoundTrip() {
        QFETCH(QString, text);
        QCOMPARE(WriteSetting(u"v", text), 1);
        // Read from the file itself, not from what this process remembers of it.
        const QString copy = m_file + QStringLiteral(".copy");
        QVERIFY(QFile::copy(m_file, copy));
        SetSettingsFile(copy);
        QString buffer;
        QCOMPARE(ReadSetting(u"v", u"dflt", buffer, 512), int(text.size()));
        QCOMPARE(buffer, text);
    }

    void settingDecimal_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "1056" << 1056;
        QTest::newRow("white space") << " \t\n 42" << 42;
        QTest::newRow("minus") << "-7" << -7;
        QTest::newRow("plus") << "+5" << 5;
        QTest::newRow("trailing letters") << "250px" << 250;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("sign alone") << "- 3" << 0;
        QTest::newRow("stops at blank") << "12 34" << 12;
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
        LoadStartupSettings();
        LoadWindowSettings(window);
        QString documents;
        if (GetDocumentsFolder(documents))
            QCOMPARE(scratch().workingFolder, NormalisedFolder(documents));
        QCOMPARE(scratch().editorPath.text(), DefaultEditorPath.toString());
        QCOMPARE(scratch().viewerPath.text(), DefaultViewerPath.toString());
        QCOMPARE(settings().listExStyle, 1056u);
        QCOMPARE(widths(), QStringList({"100", "80", "60", "40", "100", "100", "100"}));
        QCOMPARE(visibleMask(), QStringLiteral("1111111"));
        QCOMPARE(window.moves, 0);
        QCOMPARE(folderHistory().historyCount(), 0);
        QCOMPARE(settings().reportFlags, quint16(0x00BF));
        QCOMPARE(settings().renameFlags, quint16(0));
        QCOMPARE(settings().searchFlags, quint16(0));
    }

    void startupValues_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("viewer");
        QTest::addColumn<uint>("exStyle");
        const QString editor = DefaultEditorPath.toString();
        const QString viewer = DefaultViewerPath.toString();
        QTest::newRow("editor stored empty")
            << "szStrumlexPath" << QVariant(QString()) << "" << viewer << 1056u;
        QTest::newRow("viewer stored empty")
            << "szZufViewPath" << QVariant(QString()) << editor << "" << 1056u;
        QTest::newRow("editor too long")
            << "szStrumlexPath" << QVariant(QString(128, u'e')) << editor << viewer << 1056u;
        QTest::newRow("editor of 127") << "szStrumlexPath" << QVariant(QString(127, u'e'))
                                       << QString(127, u'e') << viewer << 1056u;
        QTest::newRow("style stored empty")
            << "dwExStyle" << QVariant(QString()) << editor << viewer << 0u;
        QTest::newRow("style") << "dwExStyle" << QVariant(QStringLiteral(" 33xyz")) << editor
                               << viewer << 33u;
        QTest::newRow("style all bits")
            << "dwExStyle" << QVariant(QStringLiteral("-1")) << editor << viewer << 0xFFFFFFFFu;
    }
    void startupValues() {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(QString, editor);
        QFETCH(QString, viewer);
        QFETCH(uint, exStyle);
        storeRaw(name, value);
        LoadStartupSettings();
        QCOMPARE(scratch().editorPath.text(), editor);
        QCOMPARE(scratch().viewerPath.text(), viewer);
        QCOMPARE(settings().listExStyle, exStyle);
    }

    void workingFolder() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString stored = NormalisedFolder(QDir::toNativeSeparators(folder.path()));
        WriteSetting(u"szPathName1", stored);
        LoadStartupSettings();
        QCOMPARE(scratch().workingFolder, stored);
        QCOMPARE(QDir(QDir::currentPath()).canonicalPath(), QDir(folder.path()).canonicalPath());

        // A stored folder that no longer exists leaves the current directory as it was.
        QDir::setCurrent(m_startDir);
        const QString gone = stored + QStringLiteral("gone");
        WriteSetting(u"szPathName1", gone);
        LoadStartupSettings();
        QCOMPARE(scratch().workingFolder, gone);
        QCOMPARE(QDir::currentPath(), m_startDir);
    }

    void workingFolderStoredEmptyIsMissing() {
        QString documents;
        if (!GetDocumentsFolder(documents))
            QSKIP("no documents folder on this system");
        WriteSetting(u"szPathName1", u"");
        LoadStartupSettings();
        QCOMPARE(scratch().workingFolder, NormalisedFolder(documents));
    }

    void columnWidth_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("width");
        QTest::newRow("absent keeps the current width") << QVariant() << 77;
        QTest::newRow("five") << QVariant(QStringLiteral("5")) << 10;
        QTest::newRow("nine") << QVariant(QStringLiteral("9")) << 10;
        QTest::newRow("ten") << QVariant(QStringLiteral("10")) << 10;
        QTest::newRow("stored empty") << QVariant(QString()) << 10;
        QTest::newRow("letters") << QVariant(QStringLiteral("abc")) << 10;
        QTest::newRow("negative") << QVariant(QStringLiteral("-300")) << 10;
        QTest::newRow("250px") << QVariant(QStringLiteral("250px")) << 250;
        QTest::newRow("too long") << QVariant(QStringLiteral("00000250")) << 77;
    }
    void columnWidth() {
        QFETCH(QVariant, value);
        QFETCH(int, width);
        settings().columnTable[ColumnAuthor].width = 77;
        if (value.isValid())
            storeRaw(QStringLiteral("Column6"), value); // the Author column
        FakeWindow window;
        LoadWindowSettings(window);
        QCOMPARE(settings().columnTable[ColumnAuthor].width, width);
        QCOMPARE(settings().columnTable[ColumnTitle].width, 100);
    }

    void visibleColumns_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("visible");
        QTest::newRow("absent") << QVariant() << "1111111";
        QTest::newRow("stored empty") << QVariant(QString()) << "1111111";
        QTest::newRow("zero hides all") << QVariant(QStringLiteral("0")) << "0000000";
        QTest::newRow("letters read as zero") << QVariant(QStringLiteral("abc")) << "0000000";
        QTest::newRow("name, date, tuning") << QVariant(QStringLiteral("69")) << "1010001";
    }
    void visibleColumns() {
        QFETCH(QVariant, value);
        QFETCH(QString, visible);
        if (value.isValid())
            storeRaw(QStringLiteral("wColumns"), value);
        FakeWindow window;
        LoadWindowSettings(window);
        QCOMPARE(visibleMask(), visible);
    }

    void hiddenNameComesBackNextRun() {
        WriteSetting(u"wColumns", u"0");
        FakeWindow window;
        LoadWindowSettings(window);
        QCOMPARE(visibleMask(), QStringLiteral("0000000"));
        SaveWindowSettings(window);
        QCOMPARE(stored(QStringLiteral("wColumns")), QStringLiteral("1"));
        ResetSettings();
        LoadWindowSettings(window);
        QCOMPARE(visibleMask(), QStringLiteral("1000000"));
    }

    void saveWindowSettings() {
        FakeWindow window;
        window.rect = QRect(10, 20, 640, 480);
        ColumnTable& columns = settings().columnTable;
        columns[ColumnPath].width = 5; // a width is written as it is held
        columns[ColumnSize].visible = 0;
        columns[ColumnTuning].width = 333;
        SaveWindowSettings(window);
        QStringList written;
        for (int i = 1; i <= 7; ++i)
            written << stored(QStringLiteral("Column%1").arg(i));
        QCOMPARE(written, QStringList({"100", "5", "60", "40", "100", "100", "333"}));
        QCOMPARE(stored(QStringLiteral("wColumns")), QStringLiteral("119"));
        QCOMPARE(stored(QStringLiteral("WindowPos")), QStringLiteral("10,20,650,500"));

        ResetSettings();
        FakeWindow next;
        LoadWindowSettings(next);
        QCOMPARE(widths(), QStringList({"100", "10", "60", "40", "100", "100", "333"}));
        QCOMPARE(visibleMask(), QStringLiteral("1110111"));
        QCOMPARE(next.rect, QRect(10, 20, 640, 480));
    }

    void minimizedKeepsWindowPos() {
        WriteSetting(u"WindowPos", u"1,2,301,202");
        FakeWindow window;
        window.minimized = true;
        window.rect = QRect(-32000, -32000, 160, 28);
        SaveWindowSettings(window);
        QCOMPARE(stored(QStringLiteral("WindowPos")), QStringLiteral("1,2,301,202"));
        QCOMPARE(stored(QStringLiteral("Column1")), QStringLiteral("100"));
    }

    void windowPos_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QRect>("rect"); // null: the window is not moved
        QTest::newRow("absent") << QVariant() << QRect();
        QTest::newRow("stored empty") << QVariant(QString()) << QRect();
        QTest::newRow("plain") << QVariant(QStringLiteral("10,20,650,500"))
                               << QRect(10, 20, 640, 480);
        QTest::newRow("blanks") << QVariant(QStringLiteral(" 10, 20, 650, 500"))
                                << QRect(10, 20, 640, 480);
        QTest::newRow("negative corner")
            << QVariant(QStringLiteral("-8,-8,1928,1088")) << QRect(-8, -8, 1936, 1096);
        QTest::newRow("unquoted in the file")
            << QVariant(QStringList{"10", "20", "650", "500"}) << QRect(10, 20, 640, 480);
        QTest::newRow("two commas") << QVariant(QStringLiteral("10,20,650")) << QRect();
        QTest::newRow("more commas")
            << QVariant(QStringLiteral("10,20,650,500,9")) << QRect(10, 20, 640, 480);
        QTest::newRow("no area") << QVariant(QStringLiteral("a,b,c,d")) << QRect();
        QTest::newRow("upside down") << QVariant(QStringLiteral("10,500,650,20")) << QRect();
        QTest::newRow("longest that fits")
            << QVariant(QStringLiteral("0000010,0000020,0000650,0000500"))
            << QRect(10, 20, 640, 480);
        QTest::newRow("too long") << QVariant(QStringLiteral("00000010,0000020,0000650,0000500"))
                                  << QRect();
    }
    void windowPos() {
        QFETCH(QVariant, value);
        QFETCH(QRect, rect);
        if (value.isValid())
            storeRaw(QStringLiteral("WindowPos"), value);
        FakeWindow window;
        const QRect before = window.rect;
        LoadWindowSettings(window);
        QCOMPARE(window.moves, rect.isNull() ? 0 : 1);
        QCOMPARE(window.rect, rect.isNull() ? before : rect);
    }

    void historyLoad_data() {
        QTest::addColumn<QStringList>("values"); // "-": not stored, "": stored empty
        QTest::addColumn<QStringList>("history");
        const QString a = NormalisedFolder(QStringLiteral("/a"));
        const QString b = NormalisedFolder(QStringLiteral("/b"));
        const QString c = NormalisedFolder(QStringLiteral("/c"));
        QTest::newRow("none") << QStringList() << QStringList();
        QTest::newRow("stored order") << QStringList{a, b, c} << QStringList{a, b, c};
        QTest::newRow("gap at 2") << QStringList{a, b, "-", c} << QStringList{a, b};
        QTest::newRow("empty at 2") << QStringList{a, b, "", c} << QStringList{a, b};
        QTest::newRow("empty first") << QStringList{"", a} << QStringList();
        QTest::newRow("same twice") << QStringList{a, b, a} << QStringList{a, b};
        QTest::newRow("too long at 1") << QStringList{a, QString(256, u'x'), b} << QStringList{a};
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
                WriteSetting(QStringLiteral("szPathList%1").arg(i), values[i]);
        }
        LoadStartupSettings();
        const std::vector<QString>& entries = folderHistory().entries;
        QCOMPARE(QStringList(entries.begin(), entries.end()), history);
        QVERIFY(scratch().destFolder.isEmpty());
    }

    void historyWithWorkingFolder() {
        const QString one = NormalisedFolder(QStringLiteral("/one"));
        const QString two = NormalisedFolder(QStringLiteral("/two"));
        const QString three = NormalisedFolder(QStringLiteral("/three"));
        WriteSetting(u"szPathList0", one);
        WriteSetting(u"szPathList1", two);
        WriteSetting(u"szPathList2", three);
        WriteSetting(u"szPathName1", three);
        LoadStartupSettings();
        QString working = scratch().workingFolder; // the folder box adds the working folder
        QVERIFY(AddToFolderHistory(working));
        const std::vector<QString>& entries = folderHistory().entries;
        QCOMPARE(QStringList(entries.begin(), entries.end()), QStringList({three, one, two}));
        SaveExitSettings();
        QCOMPARE(stored(QStringLiteral("szPathList0")), three);
        QCOMPARE(stored(QStringLiteral("szPathList1")), one);
        QCOMPARE(stored(QStringLiteral("szPathList2")), two);
    }

    void exitSave() {
        WriteSetting(u"szPathList11", u"/old/"); // higher numbers of a former run stay
        for (int i = 11; i >= 0; --i) {
            QString folder = QStringLiteral("/h%1").arg(i);
            QVERIFY(AddToFolderHistory(folder));
        }
        scratch().workingFolder = QStringLiteral("/work/");
        scratch().editorPath = u"/bin/editor";
        scratch().viewerPath = u"";
        settings().listExStyle = 0xFFFFFFFFu;
        SaveExitSettings();
        for (int i = 0; i < 10; ++i)
            QCOMPARE(stored(QStringLiteral("szPathList%1").arg(i)),
                     NormalisedFolder(QStringLiteral("/h%1").arg(i)));
        QCOMPARE(stored(QStringLiteral("szPathList10")), QStringLiteral("<absent>"));
        QCOMPARE(stored(QStringLiteral("szPathList11")), QStringLiteral("/old/"));
        QCOMPARE(stored(QStringLiteral("szPathName1")), QStringLiteral("/work/"));
        QCOMPARE(stored(QStringLiteral("szStrumlexPath")), QStringLiteral("/bin/editor"));
        QCOMPARE(stored(QStringLiteral("szZufViewPath")), QString());
        QCOMPARE(stored(QStringLiteral("dwExStyle")), QStringLiteral("-1"));

        // The next run reads back what this one stored.
        ResetSettings();
        ResetAppState();
        ResetFolderHistory();
        LoadStartupSettings();
        QCOMPARE(settings().listExStyle, 0xFFFFFFFFu);
        QCOMPARE(scratch().viewerPath.text(), QString());
        QCOMPARE(folderHistory().historyCount(), 10);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
