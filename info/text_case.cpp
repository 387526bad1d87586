#include "info/text_case.h"

#include <algorithm>

// Maps one character with `map`; keeps it when the mapping would change its length in UTF-16.
static char32_t MapKeepingLength(char32_t c, char32_t (*map)(char32_t)) {
    const char32_t mapped = map(c);
    return QChar::requiresSurrogates(mapped) == QChar::requiresSurrogates(c) ? mapped : c;
}

static char32_t Upper(char32_t c) {
    return MapKeepingLength(c, [](char32_t x) { return QChar::toUpper(x); });
}

static char32_t Lower(char32_t c) {
    return MapKeepingLength(c, [](char32_t x) { return QChar::toLower(x); });
}

static void Append(QString& out, char32_t c) {
    if (QChar::requiresSurrogates(c)) {
        out.append(QChar(QChar::highSurrogate(c)));
        out.append(QChar(QChar::lowSurrogate(c)));
    } else {
        out.append(QChar(char16_t(c)));
    }
}

QString ConvertCase(int tool, QStringView text) {
    if (tool != CaseUpper && tool != CaseLower && tool != CaseWords)
        return text.toString();
    QString out;
    out.reserve(text.size());
    char32_t previous = 0;
    bool first = true;
    for (qsizetype i = 0; i < text.size();) {
        char32_t c = text[i].unicode();
        qsizetype units = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            units = 2;
        }
        if (tool == CaseUpper) {
            c = Upper(c);
        } else {
            c = Lower(c);
            if (tool == CaseWords && (first || previous < 64))
                c = Upper(c);
        }
        Append(out, c);
        previous = c;
        first = false;
        i += units;
    }
    return out;
}

QString ApplyCase(int tool, const QString& text, FieldSelection selection) {
    const qsizetype start = std::clamp<qsizetype>(selection.start, 0, text.size());
    const qsizetype end = std::clamp<qsizetype>(selection.end, start, text.size());
    if (start == end)
        return text;
    return text.left(start) + ConvertCase(tool, QStringView(text).mid(start, end - start)) +
           text.mid(end);
}

QString RemoveQuotes(QStringView text) {
    QString out = text.toString();
    out.remove(u'"');
    return out;
}

QString MoveFirstWord(const QString& whole) {
    // The tool reads at most the field's first 199 characters: a space or full stop beyond
    // them is not seen, and then the text stays as it is.
    const QString text = whole.left(MoveFirstWordRead);
    qsizetype space = 0;
    while (space < text.size() && text[space] != u' ' && text[space] != u'.')
        ++space;
    if (space == text.size() || text[space] != u' ')
        return whole;
    const qsizetype stop = text.indexOf(u'.', space + 1);
    if (stop < 0)
        return whole;
    const QString word = text.left(space);
    const QString rest = text.mid(space + 1, stop - space - 1);
    return rest + QStringLiteral(" (") + word + QStringLiteral(").zuf");
}
