#include "content/strict_json.h"

#include <QJsonParseError>

#include <set>
#include <vector>

namespace {

// Offset of the first key written twice in one object, or -1. The text is
// already known to be valid JSON, which keeps this scan simple.
qsizetype first_duplicate_key(const QByteArray& text)
{
    struct level {
        bool object = false;
        bool expecting_key = false;
        std::set<QByteArray> keys;
    };
    std::vector<level> open;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = text[i];
        if (c == '"') {
            const qsizetype start = i++;
            while (i < size && text[i] != '"')
                i += text[i] == '\\' ? 2 : 1;
            if (!open.empty() && open.back().object && open.back().expecting_key) {
                if (!open.back().keys.insert(text.mid(start, i - start + 1)).second)
                    return start;
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
    return -1;
}

QString place(const QByteArray& text, qsizetype offset)
{
    const auto line = text.left(offset).count('\n') + 1;
    return QStringLiteral("at byte %1 (line %2)").arg(offset).arg(line);
}

} // namespace

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
    if (const auto twice = first_duplicate_key(text); twice >= 0) {
        const auto end = text.indexOf('"', twice + 1);
        problem = QStringLiteral("key %1 written twice in one object %2")
                      .arg(QString::fromUtf8(text.mid(twice, end - twice + 1)), place(text, twice));
        return {};
    }
    return document;
}
