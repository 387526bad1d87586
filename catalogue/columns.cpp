#include "catalogue/columns.h"

#include <QDateTime>
#include <QLocale>

const std::array<const char16_t*, 12> NoteNames = {u"C",  u"B", u"A#", u"A",  u"G#", u"G",
                                                   u"F#", u"F", u"E",  u"D#", u"D",  u"C#"};

int DefaultColumnWidth(int column) {
    static constexpr int widths[ColumnCount] = {100, 80, 60, 40, 100, 100, 100};
    return column >= 0 && column < ColumnCount ? widths[column] : 0;
}

ColumnTable DefaultColumnTable() {
    static constexpr const char* captions[ColumnCount] = {
        QT_TRANSLATE_NOOP("Columns", "Name"),  QT_TRANSLATE_NOOP("Columns", "Path"),
        QT_TRANSLATE_NOOP("Columns", "Date"),  QT_TRANSLATE_NOOP("Columns", "Size"),
        QT_TRANSLATE_NOOP("Columns", "Title"), QT_TRANSLATE_NOOP("Columns", "Author"),
        QT_TRANSLATE_NOOP("Columns", "Tuning")};
    ColumnTable table;
    for (int i = 0; i < ColumnCount; ++i) {
        table[i].format = (i == ColumnDate || i == ColumnSize) ? 1 : 0;
        table[i].width = DefaultColumnWidth(i);
        table[i].visible = 1;
        table[i].caption = captions[i];
    }
    return table;
}

void FormatTuning(const quint8* tuning12, QString& out) {
    for (int i = 11; i >= 0; --i) {
        const unsigned value = tuning12[i];
        if (value == 0)
            continue;
        out += QStringView(NoteNames[value % 12]);
        out += QLatin1Char(' ');
    }
}

QString FormatTuning(const std::array<quint8, 12>& tuning) {
    QString out;
    FormatTuning(tuning.data(), out);
    return out;
}

// The locale's short date format, with the year widened to four digits where the format
// gives it two.
static QString ShortDateFormat() {
    static const QString format = [] {
        QString f = QLocale().dateFormat(QLocale::ShortFormat);
        if (!f.contains(QLatin1String("yyyy")))
            f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        return f;
    }();
    return format;
}

QString FormatEntryDate(qint64 lastWriteTime) {
    const QDate date = QDateTime::fromMSecsSinceEpoch(lastWriteTime, Qt::UTC).date();
    return QLocale().toString(date, ShortDateFormat());
}

QString GetEntryDisplayInfo(const Entry& entry, int column) {
    switch (column) {
    case ColumnName:
        return entry.name;
    case ColumnPath:
        return entry.folder;
    case ColumnDate:
        return FormatEntryDate(entry.lastWriteTime);
    case ColumnSize:
        return QString::number(entry.size);
    case ColumnTitle:
        return entry.title;
    case ColumnAuthor:
        return entry.subtitle;
    case ColumnTuning:
        return FormatTuning(entry.tuning);
    default:
        return {};
    }
}
