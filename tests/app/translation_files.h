#pragma once
// The translation files as the tests read them: every message of a .ts file with its context,
// its source text, whether it is finished, and its translation (each form of a numerus text).

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>

namespace test_support {

struct TsMessage {
    QString context;
    QString source;
    bool numerus = false;
    bool finished = false; // translated, neither unfinished nor left over from older sources
    QStringList forms;     // the translation: one text, or each numerus form
};

inline QList<TsMessage> ReadTsFile(const QString& path) {
    QList<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
            continue;
        }
        if (xml.name() != u"message")
            continue;
        TsMessage message;
        message.context = context;
        message.numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        while (xml.readNextStartElement()) {
            if (xml.name() == u"source") {
                message.source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                message.finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
                if (!message.numerus)
                    message.forms = {xml.readElementText()};
                else
                    while (xml.readNextStartElement())
                        message.forms << xml.readElementText();
            } else {
                xml.skipCurrentElement();
            }
        }
        messages << message;
    }
    return messages;
}

// The shipped languages: every translations/zuffile_<language>.ts of the source tree.
inline QStringList ShippedTsFiles(const QString& sourceDir) {
    const QDir folder(sourceDir + QStringLiteral("/translations"));
    QStringList files;
    for (const QString& name : folder.entryList({QStringLiteral("zuffile_*.ts")}, QDir::Files))
        files << folder.filePath(name);
    return files;
}

// The accelerator letter of a text: the character after a single &, folded to upper case;
// null when the text has none.
inline QChar AcceleratorOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toUpper();
        ++i; // "&&" shows an ampersand
    }
    return {};
}

} // namespace test_support
