#include "platform/clip_file.h"

#include <QFileInfo>

namespace audio {

clip_file::clip_file(const QString& file_name)
    : file_(file_name)
{
    const QFileInfo info(file_name);
    if (info.suffix().compare(QLatin1String("mp3"), Qt::CaseInsensitive) != 0) {
        failure_ = error_kind::unknown_extension;
        return;
    }
    if (!info.exists()) {
        failure_ = error_kind::file_not_found;
        return;
    }
    if (!info.isFile() || !file_.open(QIODevice::ReadOnly)) {
        failure_ = error_kind::file_unreadable;
        return;
    }
    const qint64 size = file_.size();
    if (size == 0)
        return; // nothing to map: no bytes
    const uchar* mapped = file_.map(0, size);
    if (!mapped) {
        failure_ = error_kind::file_unreadable;
        return;
    }
    bytes_ = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), static_cast<qsizetype>(size));
}

} // namespace audio
