// The shipped languages against the sources: lupdate reads the texts that the sources mark for
// translation now, and each language file must hold every one of them finished, with every
// numerus form filled and the placeholders of the source text; within one context (a menu, a
// dialog) no two texts of a language share an accelerator letter.

#include "tests/app/translation_files.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using namespace test_support;

namespace {

// The placeholders of a text (%1 to %99, %n), each once, in order.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\d{1,2}|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured();
    std::sort(found.begin(), found.end());
    found.removeDuplicates();
    return found;
}

QString Key(const TsMessage& message) {
    return message.context + u'\x1f' + message.source;
}

// What is wrong with a language's text of `source`; empty when nothing is.
QString Fault(const TsMessage& source, const TsMessage* translated) {
    if (!translated)
        return QStringLiteral("missing");
    if (!translated->finished)
        return QStringLiteral("unfinished");
    if (translated->forms.isEmpty() || (source.numerus && translated->forms.size() < 2))
        return QStringLiteral("forms missing");
    for (const QString& form : translated->forms) {
        if (form.isEmpty())
            return QStringLiteral("empty");
        if (Placeholders(form) != Placeholders(source.source))
            return QStringLiteral("other placeholders in \"%1\"").arg(form);
    }
    return {};
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    QList<TsMessage> m_sourceTexts;

    static void addLanguageRows() {
        QTest::addColumn<QString>("file");
        for (const QString& file : ShippedTsFiles(QStringLiteral(ZUF_SOURCE_DIR)))
            QTest::newRow(qPrintable(QFileInfo(file).baseName())) << file;
    }

private slots:
    void initTestCase() {
#ifndef ZUF_LUPDATE_PATH
        QSKIP("This build has no Linguist tools.");
#else
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStringList arguments = {QStringLiteral("-silent"), QStringLiteral("-locations"),
                                 QStringLiteral("none"), QStringLiteral("-I"),
                                 QStringLiteral(ZUF_SOURCE_DIR)};
        for (const QString& folder : QStringLiteral(ZUF_TRANSLATED_FOLDERS).split(u','))
            arguments << QStringLiteral(ZUF_SOURCE_DIR "/") + folder;
        arguments << QStringLiteral("-ts") << dir.filePath(QStringLiteral("sources.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(ZUF_LUPDATE_PATH), arguments);
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        m_sourceTexts = ReadTsFile(dir.filePath(QStringLiteral("sources.ts")));
        QVERIFY(!m_sourceTexts.isEmpty());
        QVERIFY(!ShippedTsFiles(QStringLiteral(ZUF_SOURCE_DIR)).isEmpty());
#endif
    }

    void everyTextIsTranslated_data() {
        addLanguageRows();
    }
    void everyTextIsTranslated() {
        QFETCH(QString, file);
        QHash<QString, TsMessage> language;
        for (const TsMessage& message : ReadTsFile(file))
            language.insert(Key(message), message);
        QStringList faults;
        for (const TsMessage& source : m_sourceTexts) {
            const auto found = language.constFind(Key(source));
            const QString fault = Fault(source, found == language.cend() ? nullptr : &*found);
            if (!fault.isEmpty())
                faults << source.context + QStringLiteral(": \"") + source.source +
                              QStringLiteral("\": ") + fault;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void acceleratorsDifferInEachContext_data() {
        addLanguageRows();
    }
    void acceleratorsDifferInEachContext() {
        QFETCH(QString, file);
        QHash<QString, QString> taken; // context and letter: the text that has it
        QStringList clashes;
        for (const TsMessage& message : ReadTsFile(file)) {
            for (const QString& form : message.forms) {
                const QChar letter = AcceleratorOf(form);
                if (letter.isNull())
                    continue;
                const QString key = message.context + u'\x1f' + letter;
                if (taken.contains(key) && taken[key] != form)
                    clashes << message.context + QStringLiteral(": ") + taken[key] +
                                   QStringLiteral(" / ") + form;
                taken.insert(key, form);
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
