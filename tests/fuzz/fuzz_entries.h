#pragma once
// What each reader of outside data makes of some bytes, as one line of text:
// "ok ..." with what was read, "error: ..." with the message the program
// would give, or "fault: ..." when the reader broke one of its own promises
// (a clip whose decoding does not end exactly at its length). The fuzz
// targets and the corpus replay test go through these same entry points.

#include <QByteArray>
#include <QString>

// As a section file of the catalogue (section from its "section" field), its
// pictures taken from content/images; the file's path shows as "<file>".
QString catalogue_outcome(const QByteArray& bytes);
// As a picture record, decoded.
QString picture_record_outcome(const QByteArray& bytes);
// As JPEG data, decoded.
QString jpeg_outcome(const QByteArray& bytes);
// As an MP3 file: opened, decoded to the end, decoded again from the middle.
QString mp3_outcome(const QByteArray& bytes);
