#include "content/strict_json.h"

#include <QJsonParseError>

#include <set>
#include <vector>

namespace {

struct fault {
    qsizetype offset = -1;
    QString what;
};

int hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The four hex digits after "\u" at `at`, or -1.
int escaped_unit(const QByteArray& text, qsizetype at)
{
    if (at + 6 > text.size() || text[at] != '\\' || text[at + 1] != 'u')
        return -1;
    int unit = 0;
    for (qsizetype k = at + 2; k < at + 6; ++k) {
        const int digit = hex_digit(text[k]);
        if (digit < 0)
            return -1;
        unit = unit * 16 + digit;
    }
    return unit;
}

// Reads the string whose opening quote is at `i`, leaving `i` on its closing
// quote, and gives its value with the escapes undone. A surrogate escape must
// be a high one followed at once by a low one: anything else is a fault.
QString read_string(const QByteArray& text, qsizetype& i, fault& problem)
{
    const qsizetype size = text.size();
    QByteArray plain;
    QString value;
    for (++i; i < size && text[i] != '"'; ++i) {
        if (text[i] != '\\') {
            plain.append(text[i]);
            continue;
        }
        value += QString::fromUtf8(plain);
        plain.clear();
        const char escape = i + 1 < size ? text[i + 1] : '\0';
        if (escape != 'u') {
            static const QByteArray from = "\"\\/bfnrt", to = "\"\\/\b\f\n\r\t";
            if (const auto k = from.indexOf(escape); k >= 0)
                value += QLatin1Char(to[k]);
            ++i;
            continue;
        }
        const int unit = escaped_unit(text, i);
        if (QChar::isHighSurrogate(static_cast<char16_t>(unit))) {
            const int low = escaped_unit(text, i + 6);
            if (QChar::isLowSurrogate(static_cast<char16_t>(low))) {
                value += QChar(static_cast<char16_t>(unit));
                value += QChar(static_cast<char16_t>(low));
                i += 11;
                continue;
            }
        }
        if (QChar::isSurrogate(static_cast<char16_t>(unit))) {
            if (problem.offset < 0)
                problem = {i, QStringLiteral("unpaired surrogate escape \"%1\"")
                                  .arg(QString::fromLatin1(text.mid(i, 6)))};
            return value;
        }
        value += QChar(static_cast<char16_t>(unit));
        i += 5;
    }
    return value + QString::fromUtf8(plain);
}

// A key as it would be written in JSON, quotes and backslashes escaped.
QString quoted(const QString& key)
{
    QString escaped = key;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

// The first key written twice in one object, keys compared once their
// escapes are undone ("im\u0061ge" is "image"), or the first unpaired
// surrogate escape in any string. The text is already known to be valid
// JSON, which keeps this scan simple.
fault first_ambiguity(const QByteArray& text)
{
    struct level {
        bool object = false;
        bool expecting_key = false;
        std::set<QString> keys;
    };
    std::vector<level> open;
    fault problem;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size && problem.offset < 0; ++i) {
        const char c = text[i];
        if (c == '"') {
            const qsizetype start = i;
            const QString value = read_string(text, i, problem);
            if (problem.offset < 0 && !open.empty() && open.back().object && open.back().expecting_key) {
                if (!open.back().keys.insert(value).second)
                    problem = {start, QStringLiteral("key %1 written twice in one object").arg(quoted(value))};
                open.back().expecting_key = false;
            }
        } else if (c == '{' || c == '[') {
            open.push_back({c == '{', c == '{', {}});
        } else if ((c == '}' || c == ']') && !open.empty()) {
            open.pop_back();
        } else if (c == ',' && !open.empty() && open.back().object) {
            open.back().expecting_key = true;
        }
    }
    return problem;
}

QString place(const QByteArray& text, qsizetype offset)
{
    const auto line = text.left(offset).count('\n') + 1;
    return QStringLiteral("at byte %1 (line %2)").arg(offset).arg(line);
}

} // namespace

// Offset of the first byte that does not belong to a well-formed UTF-8
// sequence (overlong forms, surrogates and values past U+10FFFF included),
// or -1.
qsizetype first_invalid_utf8(const QByteArray& text)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.constData());
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = bytes[i];
        int continuation = 0;
        char32_t value = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            continuation = 1, value = lead & 0x1Fu, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            continuation = 2, value = lead & 0x0Fu, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            continuation = 3, value = lead & 0x07u, smallest = 0x10000;
        } else {
            return i;
        }
        if (size - i <= continuation)
            return i;
        for (int k = 1; k <= continuation; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80)
                return i;
            value = (value << 6) | (bytes[i + k] & 0x3Fu);
        }
        if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return i;
        i += continuation + 1;
    }
    return -1;
}

QJsonDocument parse_strict_json(const QByteArray& text, QString& problem)
{
    if (const auto bad = first_invalid_utf8(text); bad >= 0) {
        problem = QStringLiteral("invalid UTF-8 ") + place(text, bad);
        return {};
    }
    QJsonParseError error;
    QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        problem = QStringLiteral("invalid JSON %1: %2").arg(place(text, error.offset), error.errorString());
        return {};
    }
    if (const fault problem_found = first_ambiguity(text); problem_found.offset >= 0) {
        problem = problem_found.what + u' ' + place(text, problem_found.offset);
        return {};
    }
    return document;
}
