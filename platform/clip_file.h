#pragma once
// A clip file mapped into memory rather than read: its pages come in as the
// measure or the decoder reaches them, so a file's size does not set the
// program's memory (a valid clip followed by a long hole costs its clip).

#include "platform/audio_service.h"

#include <QByteArray>
#include <QFile>

namespace audio {

class clip_file {
public:
    explicit clip_file(const QString& file_name);
    clip_file(const clip_file&) = delete;
    clip_file& operator=(const clip_file&) = delete;

    // Why the file cannot be read (a name without ".mp3", missing, not a
    // readable file), or none.
    error_kind failure() const { return failure_; }
    // The file's bytes, not copied: valid while this object lives.
    const QByteArray& bytes() const { return bytes_; }
    // Lets go of the pages before `offset`, which a walk through the file
    // will not read again: they leave the program's memory and would be read
    // from the file again if needed.
    void let_go_before(std::int64_t offset);

private:
    QFile file_;
    error_kind failure_ = error_kind::none;
    QByteArray bytes_;
};

} // namespace audio
