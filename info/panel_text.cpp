#include "info/panel_text.h"

#include "catalogue/columns.h"
#include "format/file_summary.h"

#include <QCoreApplication>
#include <QStringList>

const std::array<KeyName, 15> KeyNamesMajor = {{
    {0, u'b'},
    {5, u'b'},
    {10, u'b'},
    {3, u'b'},
    {8, u'b'},
    {1, u'b'},
    {7, 0},
    {0, 0},
    {5, 0},
    {10, 0},
    {3, 0},
    {8, 0},
    {1, 0},
    {7, u'#'},
    {0, u'#'},
}};

const std::array<KeyName, 15> KeyNamesMinor = {{
    {3, u'b'},
    {8, u'b'},
    {1, u'b'},
    {7, 0},
    {0, 0},
    {5, 0},
    {10, 0},
    {3, 0},
    {8, 0},
    {1, 0},
    {7, u'#'},
    {0, u'#'},
    {5, u'#'},
    {10, u'#'},
    {3, u'#'},
}};

QString FormatText(quint16 versionWord, quint16 versionExtra, quint16 generation) {
    if (versionWord != 0) {
        QString text =
            QString::number(versionWord >> 8, 16) + u'.' + QString::number(versionWord & 0xFF, 16);
        if (versionExtra != 0)
            text += u' ' + QString::number(versionExtra, 16);
        return text;
    }
    static constexpr const char16_t* byGeneration[] = {u"1.30", u"1.60", u"1.90",
                                                       u"2.00", u"2.50", u"2.62"};
    return QString::fromUtf16(byGeneration[qMin<int>(generation, 5)]);
}

QString MeasuresText(quint16 measures) {
    return QString::number(measures);
}

QString TimeSignatureText(quint16 timeSignature) {
    return QString::number(timeSignature >> 8) + u'/' + QString::number(timeSignature & 0xFF);
}

QString KeyText(qint16 keySignature, qint16 minorKey) {
    const QString mode = minorKey ? QStringLiteral(" m") : QStringLiteral(" M");
    if (keySignature > 7)
        return QString::number(keySignature) + QStringLiteral(" #") + mode;
    if (keySignature < -7)
        return QString::number(-keySignature) + QStringLiteral(" b") + mode;
    const KeyName& key = (minorKey ? KeyNamesMinor : KeyNamesMajor)[keySignature + 7];
    QString text = QString::fromUtf16(NoteNames[key.note]);
    if (key.accidental != 0)
        text += QChar(key.accidental);
    return text + mode;
}

QString PanelValuesText(const FileSummary& summary) {
    const QStringList lines = {
        FormatText(summary.versionWord, summary.versionExtra, summary.generation),
        MeasuresText(summary.measures), TimeSignatureText(summary.timeSignature),
        KeyText(summary.keySignature, summary.minorKey)};
    return lines.join(QStringLiteral("\n"));
}

QString ModuleLabel(int index) {
    return QCoreApplication::translate("Panel", "Module %1").arg(index + 1);
}

QString ModuleNameText(const QString& name) {
    return CutToLength(name, 31);
}

int ModuleLineCount(quint16 lastModule) {
    return qMin(int(lastModule) + 1, 16);
}
