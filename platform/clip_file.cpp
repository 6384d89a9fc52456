#include "platform/clip_file.h"

#include <QFileInfo>

#include <algorithm>

#include <sys/mman.h>
#include <unistd.h>

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

void clip_file::let_go_before(std::int64_t offset)
{
    static const auto page = static_cast<std::int64_t>(sysconf(_SC_PAGESIZE));
    const std::int64_t length = std::min<std::int64_t>(offset, bytes_.size()) / page * page;
    if (length > 0)
        madvise(const_cast<char*>(bytes_.constData()), static_cast<std::size_t>(length), MADV_DONTNEED);
}

} // namespace audio
