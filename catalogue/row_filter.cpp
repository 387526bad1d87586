#include "catalogue/row_filter.h"

#include <QStringView>
#include <array>
#include <string_view>

namespace {

constexpr char FieldEnd = '\x1f';

// The names a word may start with, in field order.
constexpr std::array<const char*, FilterFieldCount> FieldNames = {
    "name", "path", "date", "size", "title", "author", "tuning", "comments"};

int FieldNamed(QStringView name) {
    for (int field = 0; field < FilterFieldCount; ++field)
        if (name.compare(QLatin1String(FieldNames[size_t(field)]), Qt::CaseInsensitive) == 0)
            return field;
    return -1;
}

// Case-folded UTF-8 without the characters the prepared text uses to part its fields.
QByteArray FoldedWordText(QStringView text) {
    QByteArray folded = text.toString().toCaseFolded().toUtf8();
    folded.removeIf([](char c) { return c == FieldEnd; });
    return folded;
}

// The box's text cut into words: blanks part them, except inside double quotes.
std::vector<QString> SplitWords(const QString& text) {
    std::vector<QString> words;
    QString word;
    bool quoted = false;
    bool started = false;
    for (const QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
            started = true;
            continue;
        }
        if (!quoted && c.isSpace()) {
            if (started)
                words.push_back(word);
            word.clear();
            started = false;
            continue;
        }
        word += c;
        started = true;
    }
    if (started)
        words.push_back(word);
    return words;
}

std::string_view FieldOf(std::string_view prepared, int field) {
    size_t start = 0;
    for (int at = 0; at < field; ++at) {
        const size_t end = prepared.find(FieldEnd, start);
        if (end == std::string_view::npos)
            return {};
        start = end + 1;
    }
    const size_t end = prepared.find(FieldEnd, start);
    return prepared.substr(start,
                           end == std::string_view::npos ? prepared.size() - start : end - start);
}

bool FieldHolds(std::string_view field, const QByteArray& text) {
    if (text.isEmpty())
        return field.empty();
    return field.find(std::string_view(text.constData(), size_t(text.size()))) !=
           std::string_view::npos;
}

bool AnySearchedFieldHolds(std::string_view prepared, const QByteArray& text,
                           unsigned searchedFields) {
    if (text.isEmpty())
        return true;
    size_t start = 0;
    for (int field = 0; field < FilterFieldCount && start <= prepared.size(); ++field) {
        size_t end = prepared.find(FieldEnd, start);
        if (end == std::string_view::npos)
            end = prepared.size();
        if ((searchedFields >> field) & 1u) {
            if (prepared.substr(start, end - start)
                    .find(std::string_view(text.constData(), size_t(text.size()))) !=
                std::string_view::npos)
                return true;
        }
        start = end + 1;
    }
    return false;
}

} // namespace

std::vector<FilterWord> ParseFilterWords(const QString& text) {
    std::vector<FilterWord> words;
    for (const QString& word : SplitWords(text)) {
        const qsizetype colon = word.indexOf(u':');
        const int field = colon > 0 ? FieldNamed(QStringView(word).left(colon)) : -1;
        if (field >= 0) {
            words.push_back({field, FoldedWordText(QStringView(word).mid(colon + 1))});
            continue;
        }
        FilterWord plain{-1, FoldedWordText(word)};
        if (!plain.text.isEmpty())
            words.push_back(std::move(plain));
    }
    return words;
}

QByteArray PreparedFilterText(const Entry& entry) {
    QString texts;
    for (int column = 0; column < ColumnCount; ++column) {
        texts += GetEntryDisplayInfo(entry, column);
        texts += QChar(FieldEnd);
    }
    texts += entry.comments;
    texts += QChar(FieldEnd);
    QByteArray prepared = texts.toCaseFolded().toUtf8();
    prepared.squeeze();
    return prepared;
}

unsigned SearchedFields(const ColumnTable& columns) {
    unsigned fields = 1u << FieldCommentsText;
    for (int column = 0; column < ColumnCount; ++column)
        if (columns[size_t(column)].visible)
            fields |= 1u << column;
    return fields;
}

bool FilterTextMatches(const QByteArray& prepared, const std::vector<FilterWord>& words,
                       unsigned searchedFields) {
    const std::string_view texts(prepared.constData(), size_t(prepared.size()));
    for (const FilterWord& word : words) {
        const bool holds = word.field < 0 ? AnySearchedFieldHolds(texts, word.text, searchedFields)
                                          : FieldHolds(FieldOf(texts, word.field), word.text);
        if (!holds)
            return false;
    }
    return true;
}

bool FilterWordsNarrow(const std::vector<FilterWord>& wider,
                       const std::vector<FilterWord>& narrower) {
    for (const FilterWord& old : wider) {
        bool kept = false;
        for (const FilterWord& word : narrower) {
            if (word.field != old.field)
                continue;
            if (old.text.isEmpty() ? word.text.isEmpty() && word.field >= 0
                                   : word.text.contains(old.text)) {
                kept = true;
                break;
            }
        }
        if (!kept)
            return false;
    }
    return true;
}
