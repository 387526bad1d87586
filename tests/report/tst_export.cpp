// The list's exports read back as the programs that take them would read them: the CSV by an
// RFC 4180 reader, the web page by xmllint's HTML parser, the JSON by Qt's parser. Every field
// of every row must come back as the row holds it.

#include "catalogue/catalogue_model.h"
#include "catalogue/columns.h"
#include "platform/native_fileops.h"
#include "report/export.h"

#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using Table = QList<QStringList>;

namespace {

// RFC 4180: fields separated by commas, records by CR LF; a quoted field may hold commas, CR,
// LF and doubled quotes. Anything else (a bare quote inside a field, a lone LF between
// records) fails the reading.
std::optional<Table> ReadCsv(const QString& text) {
    Table table;
    QStringList record;
    QString field;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text[i] == u'"') {
            for (++i;; ++i) {
                if (i >= n)
                    return std::nullopt;
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            while (i < n && text[i] != u',' && text[i] != u'\r' && text[i] != u'\n') {
                if (text[i] == u'"')
                    return std::nullopt;
                field += text[i++];
            }
        }
        record << std::exchange(field, QString());
        if (i < n && text[i] == u',') {
            ++i;
            continue;
        }
        if (i + 1 >= n || text[i] != u'\r' || text[i + 1] != u'\n')
            return std::nullopt;
        i += 2;
        table << std::exchange(record, QStringList());
    }
    return table;
}

// The page through xmllint's HTML parser (which must not complain), then its table's heading
// and cells; nothing may be fetched from elsewhere (no src or href anywhere).
std::optional<Table> ReadHtml(const QByteArray& page, QString& complaint) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/list.html");
    if (WriteFileThroughUnfinished(path, page, false) != 0)
        return std::nullopt;
    QProcess xmllint;
    xmllint.start(QStringLiteral("xmllint"),
                  {QStringLiteral("--html"), QStringLiteral("--xmlout"), path});
    if (!xmllint.waitForFinished(60000) || xmllint.exitCode() != 0)
        return std::nullopt;
    complaint = QString::fromUtf8(xmllint.readAllStandardError());
    QXmlStreamReader xml(xmllint.readAllStandardOutput());
    Table table;
    QString cell;
    bool inCell = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QXmlStreamAttributes attributes = xml.attributes();
            if (attributes.hasAttribute(QStringLiteral("src")) ||
                attributes.hasAttribute(QStringLiteral("href")))
                complaint += QStringLiteral("fetches ") + xml.name().toString();
            if (xml.name() == u"tr")
                table << QStringList();
            inCell = xml.name() == u"td" || xml.name() == u"th";
            cell.clear();
        } else if (xml.isCharacters() && inCell) {
            cell += xml.text();
        } else if (xml.isEndElement() && inCell) {
            table.last() << cell;
            inCell = false;
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return table;
}

// The JSON array's objects as rows, in the order of the fields; the date and size checked for
// their kinds (a text in ISO 8601, a number).
std::optional<Table> ReadJson(const QByteArray& bytes, QString& complaint) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    Table table;
    for (const QJsonValue& value : document.array()) {
        const QJsonObject row = value.toObject();
        if (!row[QLatin1String("size")].isDouble())
            complaint += QStringLiteral("size is no number; ");
        if (!QDateTime::fromString(row[QLatin1String("date")].toString(), Qt::ISODate).isValid())
            complaint += QStringLiteral("date is no ISO 8601 time; ");
        QStringList fields;
        for (const char* key :
             {"name", "path", "date", "size", "title", "author", "tuning", "comments"}) {
            const QJsonValue field = row[QLatin1String(key)];
            fields << (field.isDouble() ? QString::number(field.toInteger()) : field.toString());
        }
        table << fields;
    }
    return table;
}

Entry MakeEntry(const QString& name, const QString& title, const QString& subtitle,
                const QString& comments) {
    Entry entry;
    entry.name = name;
    entry.folder = QStringLiteral("/music/lessons, \"old\"/");
    entry.lastWriteTime = 1577972730000; // 2020-01-02T13:45:30Z
    entry.size = 4000000000u;            // above what 32 signed bits hold
    entry.title = title;
    entry.subtitle = subtitle;
    entry.comments = comments;
    entry.tuning = {40, 45, 50, 55, 59, 64};
    return entry;
}

// What a row must read back as: its texts as they are, the date as the instant it names.
QStringList Expected(const Entry& entry) {
    QString tuning = FormatTuning(entry.tuning);
    tuning.chop(1); // the blank after the last name
    return {entry.name,
            entry.folder,
            QDateTime::fromMSecsSinceEpoch(entry.lastWriteTime, Qt::UTC).toString(Qt::ISODate),
            QString::number(entry.size),
            entry.title,
            entry.subtitle,
            tuning,
            entry.comments};
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void readBack_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("byteOrderMark");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("comments");
        const QString quotes = QStringLiteral("\"Blue\", said \"he\"");
        const QString lines = QStringLiteral("two\r\nlines\tand a tab\nand LF");
        const QString markup = QStringLiteral("<b>Rock & Roll</b> &amp; \"x\" 'y'");
        const QString wide = QStringLiteral("Caf\u00e9 \u266b \U0001F3B8 \u00d8");
        for (const auto& [format, name] : {std::pair{ExportFormat::Csv, "csv"},
                                           std::pair{ExportFormat::Html, "html"},
                                           std::pair{ExportFormat::Json, "json"}}) {
            const QByteArray tag(name);
            QTest::newRow(tag + ": quotes and commas") << int(format) << false << quotes << lines;
            QTest::newRow(tag + ": markup") << int(format) << false << markup << QString();
            QTest::newRow(tag + ": beyond ASCII, with BOM") << int(format) << true << wide << wide;
        }
    }
    void readBack() {
        QFETCH(int, format);
        QFETCH(bool, byteOrderMark);
        QFETCH(QString, title);
        QFETCH(QString, comments);
        const Entry tricky = MakeEntry(QStringLiteral("a, \"b\".zuf"), title,
                                       QStringLiteral("Me\tand you"), comments);
        const Entry plain = MakeEntry(QStringLiteral("plain.zuf"), QString(), QString(), QString());
        QByteArray bytes =
            ExportText({&tricky, &plain}, ExportFormat(format), byteOrderMark);
        QCOMPARE(bytes.startsWith("\xEF\xBB\xBF"), byteOrderMark);
        if (byteOrderMark)
            bytes.remove(0, 3);

        QString complaint;
        std::optional<Table> table;
        switch (ExportFormat(format)) {
        case ExportFormat::Csv:
            table = ReadCsv(QString::fromUtf8(bytes));
            break;
        case ExportFormat::Html:
            if (QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty())
                QSKIP("xmllint (libxml2-utils) is not installed");
            table = ReadHtml(bytes, complaint);
            break;
        case ExportFormat::Json:
            table = ReadJson(bytes, complaint);
            break;
        }
        QVERIFY(table);
        QCOMPARE(complaint, QString());
        if (ExportFormat(format) != ExportFormat::Json) { // a heading line of the eight fields
            QCOMPARE(table->size(), 3);
            QCOMPARE(table->first().size(), 8);
            QCOMPARE(table->first().first(), QStringLiteral("Name"));
            table->removeFirst();
        }
        QCOMPARE(table->size(), 2);
        QCOMPARE(table->at(0), Expected(tricky));
        QCOMPARE(table->at(1), Expected(plain));
    }

    // The command: an existing file is replaced only after a Yes; the rows are the selected
    // ones or all shown ones as the dialog says; the message names what was written.
    void command_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("selectedOnly");
        QTest::addColumn<QStringList>("names"); // of the rows in the file; empty: file kept
        QTest::newRow("new file, all rows") << false << false << false
                                            << QStringList{"a.zuf", "b.zuf", "c.zuf"};
        QTest::newRow("new file, selected rows") << false << false << true
                                                 << QStringList{"a.zuf", "c.zuf"};
        QTest::newRow("existing file kept on No") << true << false << false << QStringList{};
        QTest::newRow("existing file replaced on Yes") << true << true << true
                                                       << QStringList{"a.zuf", "c.zuf"};
    }
    void command() {
        QFETCH(bool, exists);
        QFETCH(bool, yes);
        QFETCH(bool, selectedOnly);
        QFETCH(QStringList, names);
        struct Fake : ExportDialogs {
            bool selectedOnly = false, yes = false;
            int asked = 0;
            QString message;
            bool runExportDialog(ExportChoice& choice, int, int, QString&) override {
                choice.format = ExportFormat::Json;
                choice.selectedOnly = selectedOnly;
                return true;
            }
            bool warnYesNo(const QString&) override {
                ++asked;
                return yes;
            }
            void showMessage(const QString& text) override { message = text; }
            bool progress(int, int) override { return true; }
        } dialogs;
        dialogs.selectedOnly = selectedOnly;
        dialogs.yes = yes;
        CatalogueModel list;
        for (const char* name : {"a.zuf", "b.zuf", "c.zuf"})
            list.insertEntry(list.rowCount(),
                             MakeEntry(QString::fromLatin1(name), {}, {}, {}), StateNormal);
        list.selectAndFocus(0);
        list.selectAndFocus(2);
        QTemporaryDir dir;
        ExportChoice choice;
        choice.path = dir.path() + QStringLiteral("/list.json");
        const QByteArray old("kept");
        if (exists)
            QCOMPARE(WriteFileThroughUnfinished(choice.path, old, false), 0);
        ExportList(dialogs, list, choice, dir.path() + u'/');
        QCOMPARE(dialogs.asked, exists ? 1 : 0);
        QFile file(choice.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (names.isEmpty()) {
            QCOMPARE(bytes, old);
            QVERIFY(dialogs.message.isEmpty());
            return;
        }
        QString complaint;
        const std::optional<Table> table = ReadJson(bytes, complaint);
        QVERIFY(table);
        QStringList written;
        for (const QStringList& row : *table)
            written << row.first();
        QCOMPARE(written, names);
        QCOMPARE(dialogs.message, ExportWrittenText(int(names.size()), choice.path));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"list.json"});
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
