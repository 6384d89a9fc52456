#pragma once
// JSON read strictly: the text must be valid UTF-8 and valid JSON, no object
// may hold a key twice, however its escapes write it (the JSON reader would
// keep one silently), and every surrogate escape must be one of a pair.

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

// Offset of the first byte that does not belong to a well-formed UTF-8
// sequence (overlong forms, surrogates and values past U+10FFFF included),
// or -1. Every text file of the content is checked with it.
qsizetype first_invalid_utf8(const QByteArray& text);

// The document, or a description of the first fault with its byte offset and
// line ("invalid UTF-8 at byte 12 (line 3)") in `problem`.
QJsonDocument parse_strict_json(const QByteArray& text, QString& problem);
