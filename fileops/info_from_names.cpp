#include "fileops/info_from_names.h"

#include "fileops/rename_pattern.h"

#include <QCoreApplication>

namespace {

constexpr int SkipField = -1;

struct FieldName {
    const char* name;
    int field;
};
constexpr std::array<FieldName, 5> FieldNames{{
    {"title", int(InfoField::Title)},
    {"author", int(InfoField::Subtitle)},
    {"subtitle", int(InfoField::Subtitle)},
    {"comments", int(InfoField::Comments)},
    {"skip", SkipField},
}};

// A reason the pattern cannot be read, each marked where it stands for the translations.
QString PatternError(const char* text) {
    return QCoreApplication::translate("NamePattern", text);
}

class PatternReader {
public:
    explicit PatternReader(QStringView text) : m_text(text) {}

    bool read() {
        if (m_text.isEmpty())
            return fail(0, PatternError(QT_TRANSLATE_NOOP("NamePattern", "The pattern is empty")));
        for (qsizetype i = 0; i < m_text.size();) {
            if (m_text[i] != u'%') {
                m_literal += m_text[i++];
            } else if (i + 1 < m_text.size() && m_text[i + 1] == u'%') {
                m_literal += u'%';
                i += 2;
            } else if (!readField(i)) {
                return false;
            }
        }
        flushText();
        if (m_named == 0)
            return fail(0, PatternError(QT_TRANSLATE_NOOP("NamePattern",
                                                          "The pattern names no field to fill")));
        m_pattern.valid = true;
        return true;
    }

    NamePattern m_pattern;
    QString m_error;
    qsizetype m_errorPos = -1;

private:
    bool fail(qsizetype pos, const QString& text) {
        m_error = text;
        m_errorPos = pos;
        return false;
    }

    void flushText() {
        if (m_literal.isEmpty())
            return;
        m_pattern.pieces.push_back({false, SkipField, m_literal});
        m_literal.clear();
    }

    // The field that starts with the % at `i`; moves `i` behind it.
    bool readField(qsizetype& i) {
        const qsizetype end = m_text.indexOf(u'%', i + 1);
        if (end < 0)
            return fail(
                i, PatternError(QT_TRANSLATE_NOOP("NamePattern", "This field has no % to end it")));
        const QStringView written = m_text.mid(i, end - i + 1);
        const FieldName* known = nullptr;
        for (const FieldName& name : FieldNames)
            if (written.mid(1, written.size() - 2)
                    .compare(QLatin1String(name.name), Qt::CaseInsensitive) == 0)
                known = &name;
        if (!known)
            return fail(
                i, PatternError(QT_TRANSLATE_NOOP("NamePattern", "Unknown field %1")).arg(written));
        flushText();
        if (!m_pattern.pieces.empty() && m_pattern.pieces.back().isField)
            return fail(i, PatternError(QT_TRANSLATE_NOOP("NamePattern",
                                                          "Two fields need text between them")));
        if (known->field != SkipField) {
            const int bit = 1 << known->field;
            if (m_named & bit)
                return fail(
                    i, PatternError(QT_TRANSLATE_NOOP("NamePattern", "The field %1 appears twice"))
                           .arg(written));
            m_named |= bit;
        }
        m_pattern.pieces.push_back({true, known->field, {}});
        i = end + 1;
        return true;
    }

    QStringView m_text;
    QString m_literal;
    int m_named = 0; // a bit per field named (%skip% aside)
};

// The match of one name: each piece from the left, each field as short as the rest allows.
// Places known not to match are remembered, so that many fields and long names stay quick.
class NameMatcher {
public:
    NameMatcher(const NamePattern& pattern, QStringView name)
        : m_pieces(pattern.pieces), m_name(name), m_spans(m_pieces.size()),
          m_failed(m_pieces.size() * size_t(name.size() + 1), false) {}

    bool match(size_t piece, qsizetype at) {
        if (piece == m_pieces.size())
            return at == m_name.size();
        const size_t key = piece * size_t(m_name.size() + 1) + size_t(at);
        if (m_failed[key])
            return false;
        const bool matched = matchPiece(piece, at);
        if (!matched)
            m_failed[key] = true;
        return matched;
    }

    NameTexts texts() const {
        NameTexts texts;
        for (size_t i = 0; i < m_pieces.size(); ++i) {
            const int field = m_pieces[i].field;
            if (m_pieces[i].isField && field != SkipField)
                texts[size_t(field)] =
                    m_name.mid(m_spans[i].first, m_spans[i].second - m_spans[i].first)
                        .trimmed()
                        .toString();
        }
        return texts;
    }

private:
    bool matchPiece(size_t piece, qsizetype at) {
        const NamePattern::Piece& here = m_pieces[piece];
        if (!here.isField)
            return m_name.mid(at).startsWith(here.text) && match(piece + 1, at + here.text.size());
        if (piece + 1 == m_pieces.size()) {
            m_spans[piece] = {at, m_name.size()}; // the last field takes the rest
            return true;
        }
        const QString& next = m_pieces[piece + 1].text; // a literal: fields never touch
        for (qsizetype end = m_name.indexOf(next, at); end >= 0;
             end = m_name.indexOf(next, end + 1)) {
            if (match(piece + 2, end + next.size())) {
                m_spans[piece] = {at, end};
                return true;
            }
        }
        return false;
    }

    const std::vector<NamePattern::Piece>& m_pieces;
    QStringView m_name;
    std::vector<std::pair<qsizetype, qsizetype>> m_spans; // each field's place in the name
    std::vector<bool> m_failed;                           // by piece and place
};

} // namespace

NamePattern ParseNamePattern(QStringView text, QString* error, int* errorPos) {
    PatternReader reader(text);
    const bool ok = reader.read();
    if (error)
        *error = ok ? QString() : reader.m_error;
    if (errorPos)
        *errorPos = ok ? -1 : int(reader.m_errorPos);
    return ok ? std::move(reader.m_pattern) : NamePattern();
}

QStringList NamePatternFields() {
    return {QStringLiteral("%title%"), QStringLiteral("%author%"), QStringLiteral("%subtitle%"),
            QStringLiteral("%comments%"), QStringLiteral("%skip%")};
}

std::optional<NameTexts> MatchName(const NamePattern& pattern, QStringView name) {
    if (!pattern.valid)
        return std::nullopt;
    const QStringView stem = name.chopped(NameExtensionLength(name));
    NameMatcher matcher(pattern, stem);
    if (!matcher.match(0, 0))
        return std::nullopt;
    return matcher.texts();
}

InfoEdit NameTextsEdit(const NameTexts& texts) {
    InfoEdit edit;
    for (int field = 0; field < InfoFieldCount; ++field)
        if (texts[size_t(field)])
            edit[size_t(field)] = FieldEdit::set(*texts[size_t(field)]);
    return edit;
}
