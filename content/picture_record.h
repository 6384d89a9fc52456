#pragma once
// Picture records: how each picture is stored inside the program. A record is
// the picture kind's name as an 8-bit string preceded by a one-byte length
// (e.g. "TJPEGImage"), the data's length as an unsigned 32-bit little-endian
// integer, then the data itself (for JPEG, a complete JFIF file).
// Reading a record needs the picture formats registered
// (register_standard_picture_formats()).

#include "platform/picture_formats.h"

#include <QByteArray>
#include <QString>

// Reads a record's bytes; `name` only names the record in error messages.
// The picture's data is checked through (picture::check). Throws
// AppError("EInvalidGraphic"), naming the record, on an unknown kind, a
// length that does not match the bytes there, or data that cannot be decoded.
picture read_picture_record(const QByteArray& record, const QString& name);

// Reads the file of a record: ":/content/images/<name>.pic" when `folder` is
// empty (the built-in pictures), else "<folder>/<name>.pic". Names are plain
// (letters, digits, '_' and '-'). Throws AppError("EInvalidGraphic").
picture load_picture_record(const QString& name, const QString& folder = {});

// The bytes of a record holding `data` of picture kind `kind`. Throws AppError
// when the kind is not 1 to 254 Latin-1 characters or the data is empty or
// too long for the length field.
QByteArray write_picture_record(const QString& kind, const QByteArray& data);
