#include "fuzz_entries.h"

#include "content/catalogue_reader.h"
#include "content/picture_record.h"
#include "platform/app_error.h"
#include "platform/jpeg_pictures.h"
#include "platform/mp3_decoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <vector>

namespace {

template <typename Reader>
QString outcome_of(Reader read)
{
    try {
        return read();
    } catch (const AppError& error) {
        return QStringLiteral("error: ") + error.message();
    }
}

QString size_text(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// Decodes from the decoder's position to the end; false when a read fails.
bool decode_to_end(mp3_decoder& decoder, std::int64_t& frames)
{
    std::vector<std::int16_t> samples(static_cast<std::size_t>(4096 * decoder.channels()));
    frames = 0;
    for (;;) {
        const long got = decoder.read(samples.data(), 4096);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        frames += got;
    }
}

} // namespace

QString catalogue_outcome(const QByteArray& bytes)
{
    const QString path = QDir::temp().filePath(
        QStringLiteral("parvolis-fuzz-%1.json").arg(QCoreApplication::applicationPid()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QStringLiteral("fault: cannot write %1").arg(path);
    file.close();
    const int stated = QJsonDocument::fromJson(bytes).object().value(QLatin1String("section")).toInt();
    const int section = stated >= 1 && stated <= 3 ? stated : 1;
    QString outcome = outcome_of([&] {
        const auto pages = read_catalogue_section(section, path, QStringLiteral(PARVOLIS_SOURCE_DIR "/content/images"));
        return QStringLiteral("ok section %1, %2 pages").arg(section).arg(pages.size());
    });
    QFile::remove(path);
    return outcome.replace(path, QStringLiteral("<file>"));
}

QString picture_record_outcome(const QByteArray& bytes)
{
    register_standard_picture_formats();
    return outcome_of([&] {
        return QStringLiteral("ok ") + size_text(read_picture_record(bytes, QStringLiteral("fuzz")).decode().size());
    });
}

// The quick check must refuse exactly what decoding refuses, with the same words.
QString jpeg_outcome(const QByteArray& bytes)
{
    const QString decoded = outcome_of([&] { return QStringLiteral("ok ") + size_text(jpeg_decode(bytes).size()); });
    const QString checked = outcome_of([&] {
        jpeg_check(bytes);
        return QStringLiteral("ok");
    });
    const bool both_ok = checked == QLatin1String("ok") && decoded.startsWith(QLatin1String("ok "));
    if (!both_ok && checked != decoded)
        return QStringLiteral("fault: the check gives \"%1\", decoding \"%2\"").arg(checked, decoded);
    return decoded;
}

QString mp3_outcome(const QByteArray& bytes)
{
    mp3_decoder decoder;
    if (!decoder.open(bytes))
        return QStringLiteral("error: not MPEG audio");

    const std::int64_t length = decoder.length();
    std::int64_t decoded = 0;
    if (!decode_to_end(decoder, decoded) || decoded != length)
        return QStringLiteral("fault: %1 of %2 frames decoded").arg(decoded).arg(length);
    const std::int64_t middle = length / 2;
    if (!decoder.seek(middle) || !decode_to_end(decoder, decoded) || decoded != length - middle)
        return QStringLiteral("fault: %1 of %2 frames decoded from the middle").arg(decoded).arg(length - middle);
    return QStringLiteral("ok %1 Hz, %2 channel(s), %3 frames, %4 ms")
        .arg(decoder.sample_rate())
        .arg(decoder.channels())
        .arg(length)
        .arg(length * 1000 / decoder.sample_rate());
}
