#include "settings/settings_file.h"

#include "platform/native_file.h"

#include <QBuffer>
#include <QStringList>
#include <cstring>
#include <string_view>

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// ASCII white space only: a byte above 0x7F is part of a character, never a blank.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

QByteArrayView Trimmed(QByteArrayView text) {
    while (!text.isEmpty() && IsBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

bool HasAnyOf(QByteArrayView text, const char* bytes) {
    return std::string_view(text.data(), size_t(text.size())).find_first_of(bytes) !=
           std::string_view::npos;
}

// A key as the file writes it: %XX and %UXXXX escapes, a backslash for the group separator.
QString UnescapedKey(QByteArrayView raw) {
    if (!HasAnyOf(raw, "%\\"))
        return DecodeFileName(raw.toByteArray());
    QString key;
    qsizetype plain = 0; // start of the bytes not yet decoded
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const bool wide = raw[i] == '%' && i + 1 < raw.size() && raw[i + 1] == 'U';
        const qsizetype digits = wide ? 4 : 2;
        const qsizetype first = i + (wide ? 2 : 1);
        if (raw[i] == '\\') {
            key += DecodeFileName(raw.sliced(plain, i - plain).toByteArray()) + u'/';
            plain = i + 1;
            continue;
        }
        if (raw[i] != '%' || first + digits > raw.size())
            continue;
        int code = 0;
        for (qsizetype k = first; k < first + digits && code >= 0; ++k)
            code = HexValue(raw[k]) < 0 ? -1 : code * 16 + HexValue(raw[k]);
        if (code < 0)
            continue;
        key += DecodeFileName(raw.sliced(plain, i - plain).toByteArray()) + QChar(char16_t(code));
        plain = first + digits;
        i = plain - 1;
    }
    return key + DecodeFileName(raw.sliced(plain).toByteArray());
}

QByteArray EscapedKey(QStringView key) {
    QByteArray out;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u == u'/')
            out += '\\';
        else if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
                 u == u'_' || u == u'-' || u == u'.')
            out += char(u);
        else if (u <= 0xFF)
            out += '%' + QByteArray::number(int(u), 16).rightJustified(2, '0').toUpper();
        else
            out += "%U" + QByteArray::number(int(u), 16).rightJustified(4, '0').toUpper();
    }
    return out;
}

// One piece of a value while it is read: its bytes, and which of them came from quotes or
// escapes (blanks there are kept; blanks around the piece outside quotes are not).
struct ValuePiece {
    QByteArray bytes;
    qsizetype firstKept = -1; // the first quoted or escaped byte, -1 for none
    qsizetype endKept = 0;    // just after the last quoted or escaped byte

    void add(char c, bool kept) {
        if (kept) {
            if (firstKept < 0)
                firstKept = bytes.size();
            endKept = bytes.size() + 1;
        }
        bytes += c;
    }
    void addAll(const QByteArray& more) {
        for (const char c : more)
            add(c, true);
    }
    QString text() const {
        auto blank = [this](qsizetype i) { return IsBlank(bytes[i]); };
        qsizetype begin = 0;
        while (begin < bytes.size() && (firstKept < 0 || begin < firstKept) && blank(begin))
            ++begin;
        qsizetype end = bytes.size();
        while (end > begin && end > endKept && blank(end - 1))
            --end;
        return DecodeFileName(bytes.mid(begin, end - begin));
    }
};

// A value as the file writes it: parts in double quotes, backslash escapes, pieces separated
// by unquoted commas (a list), a comment after an unquoted semicolon.
QVariant UnescapedValue(QByteArrayView raw) {
    if (!HasAnyOf(raw, "\"\\,;") && (raw.isEmpty() || raw.front() != '@'))
        return DecodeFileName(raw.toByteArray()); // the common plain text, already trimmed
    QList<ValuePiece> pieces(1);
    bool quoted = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        ValuePiece& piece = pieces.back();
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
            if (quoted && piece.firstKept < 0)
                piece.firstKept = piece.bytes.size(); // "" keeps an empty text
        } else if (!quoted && c == ',') {
            if (pieces.size() == SettingsListMax)
                return {}; // beyond what any value of the program holds
            pieces.append(ValuePiece{});
        } else if (!quoted && c == ';') {
            break;
        } else if (c != '\\' || i + 1 == raw.size()) {
            piece.add(c, quoted);
        } else {
            const char e = raw[++i];
            static constexpr char from[] = "abfnrtv";
            static constexpr char to[] = "\a\b\f\n\r\t\v";
            if (const char* hit = e ? std::strchr(from, e) : nullptr) {
                piece.add(to[hit - from], true);
            } else if (e == 'x' || (e >= '0' && e <= '7')) {
                const bool hex = e == 'x';
                char32_t code = hex ? 0 : char32_t(e - '0');
                for (int n = 0; i + 1 < raw.size() && n < (hex ? 4 : 2); ++n) {
                    const int d = HexValue(raw[i + 1]);
                    if (d < 0 || (!hex && d > 7))
                        break;
                    code = code * (hex ? 16 : 8) + char32_t(d);
                    ++i;
                }
                piece.addAll(QString::fromUcs4(&code, 1).toUtf8());
            } else {
                piece.add(e, true); // \\ \" \' \? \; \, and anything else stand for themselves
            }
        }
    }
    if (pieces.size() > 1) {
        QStringList texts;
        for (const ValuePiece& piece : pieces)
            texts << piece.text();
        return texts;
    }
    const QString text = pieces.front().text();
    if (text.startsWith(u"@ByteArray(") && text.endsWith(u')')) {
        QByteArray bytes;
        for (const QChar c : QStringView(text).sliced(11).chopped(1)) {
            const char16_t u = c.unicode();
            bytes += char(u >= 0xDC80 && u <= 0xDCFF ? u - 0xDC00 : u);
        }
        return bytes;
    }
    if (text.startsWith(u"@@"))
        return text.mid(1);
    return text;
}

QByteArray EscapedText(QStringView text) {
    const QByteArray bytes = EncodeFileName(text);
    const bool quote = bytes.contains(',') || bytes.contains(';') || bytes.contains('=') ||
                       (!bytes.isEmpty() && (IsBlank(bytes.front()) || IsBlank(bytes.back())));
    QByteArray out = quote ? "\"" : "";
    for (const char c : bytes) {
        static constexpr char from[] = "\a\b\f\n\r\t\v";
        static constexpr char to[] = "abfnrtv";
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (const char* hit = c ? std::strchr(from, c) : nullptr) {
            out += '\\';
            out += to[hit - from];
        } else if (quint8(c) < 0x20 || c == 0x7F) {
            out += "\\x" + QByteArray::number(int(c), 16).rightJustified(4, '0');
        } else {
            out += c;
        }
    }
    return quote ? out + '"' : out;
}

QByteArray EscapedValue(const QVariant& value) {
    if (value.typeId() == QMetaType::QByteArray) {
        QString text = QStringLiteral("@ByteArray(");
        for (const char c : value.toByteArray())
            text += QChar(char16_t(quint8(c)));
        return EscapedText(text + u')');
    }
    if (value.typeId() == QMetaType::QStringList) {
        QList<QByteArray> pieces;
        for (const QString& piece : value.toStringList())
            pieces << EscapedText(piece);
        return pieces.join(", ");
    }
    const QString text = value.toString();
    return EscapedText(text.startsWith(u'@') ? u'@' + text : text);
}

// The next line of `device` without its end into `line`; false at the end of the file. A line
// longer than SettingsLineMax is read to its end and given as null.
bool NextLine(QIODevice& device, QByteArray& buffer, QByteArrayView& line) {
    qint64 size = device.readLine(buffer.data(), buffer.size());
    if (size <= 0)
        return false;
    const bool whole = buffer[size - 1] == '\n' || size < buffer.size() - 1;
    line = QByteArrayView(buffer.constData(), size);
    if (line.endsWith('\n'))
        line.chop(1);
    if (whole)
        return true;
    while (buffer[size - 1] != '\n' &&
           (size = device.readLine(buffer.data(), buffer.size())) > 0) {
    }
    line = QByteArrayView();
    return true;
}

// A key as QSettings names it: no leading, trailing or doubled separator.
QString NormalisedKey(const QString& key) {
    if (!key.startsWith(u'/') && !key.endsWith(u'/') && !key.contains(u"//"))
        return key;
    return key.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

// A group is written as its key, except that a group called General (in any case) would be
// read as the values outside any group: its first letter is escaped.
QByteArray EscapedGroup(const QString& group) {
    const QByteArray key = EscapedKey(group);
    if (group.compare(u"General", Qt::CaseInsensitive) != 0)
        return key;
    return '%' + QByteArray::number(int(group[0].unicode()), 16).toUpper() + key.sliced(1);
}

// What a value costs in the file when written back: the line, without its end.
qsizetype WrittenSize(const QString& key, const QVariant& value) {
    return EscapedKey(key).size() + 1 + EscapedValue(value).size();
}

} // namespace

bool ReadSettingsFile(QIODevice& device, QSettings::SettingsMap& map) {
    QString group;
    QByteArray buffer(SettingsLineMax + 2, Qt::Uninitialized);
    qsizetype kept = 0; // what the values kept cost when written back
    QByteArrayView line;
    while (NextLine(device, buffer, line)) {
        line = Trimmed(line);
        if (line.isEmpty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            const QByteArrayView name = line.sliced(1).chopped(1);
            group = QByteArrayView("General").compare(name, Qt::CaseInsensitive) == 0
                        ? QString()
                        : UnescapedKey(name);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        const QString name = UnescapedKey(Trimmed(line.first(equals)));
        const QString key = NormalisedKey(group.isEmpty() ? name : group + u'/' + name);
        if (key.isEmpty() || (map.size() >= SettingsValueMax && !map.contains(key)))
            continue;
        const QVariant value = UnescapedValue(Trimmed(line.sliced(equals + 1)));
        if (!value.isValid())
            continue;
        const qsizetype size = WrittenSize(key, value);
        if (size > SettingsLineMax || kept + size > SettingsKeptMax)
            continue;
        kept += size;
        map.insert(key, value);
    }
    return true;
}

bool WriteSettingsFile(QIODevice& device, const QSettings::SettingsMap& map) {
    QByteArray root = "[General]\n";
    QMap<QString, QByteArray> groups;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        const QByteArray line = EscapedKey(slash < 0 ? it.key() : it.key().mid(slash + 1)) + '=' +
                                EscapedValue(it.value()) + '\n';
        if (slash < 0)
            root += line;
        else
            groups[it.key().left(slash)] += line;
    }
    QByteArray out = map.isEmpty() ? QByteArray() : root;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it)
        out += "\n[" + EscapedGroup(it.key()) + "]\n" + it.value();
    return device.write(out) == out.size();
}

QSettings::SettingsMap ReadSettingsText(const QByteArray& text) {
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    QSettings::SettingsMap map;
    ReadSettingsFile(buffer, map);
    return map;
}

QByteArray SettingsFileText(const QSettings::SettingsMap& map) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteSettingsFile(buffer, map);
    return buffer.data();
}

QSettings::Format SettingsFileFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), ReadSettingsFile, WriteSettingsFile);
    return format;
}
