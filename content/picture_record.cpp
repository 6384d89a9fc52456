#include "content/picture_record.h"

#include "platform/app_error.h"

#include <QFile>
#include <QRegularExpression>

namespace {

const QString error_kind = QStringLiteral("EInvalidGraphic");

// Lengths the field can hold but no record may use: an empty kind or data,
// and the all-ones values, which mark a damaged or misread length.
constexpr int longest_kind = 254;
constexpr quint32 longest_data = 0xFFFFFFFEu;

[[noreturn]] void fail(const QString& name, const QString& reason)
{
    throw AppError(error_kind, QStringLiteral("Picture record \"%1\": %2").arg(name, reason));
}

quint32 read_le32(const char* bytes)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

} // namespace

picture read_picture_record(const QByteArray& record, const QString& name)
{
    const qsizetype total = record.size();
    if (total < 1)
        fail(name, QStringLiteral("empty record"));

    const int kind_length = static_cast<unsigned char>(record[0]);
    if (kind_length == 0 || kind_length > longest_kind)
        fail(name, QStringLiteral("invalid picture kind length %1").arg(kind_length));
    if (total < 1 + kind_length)
        fail(name, QStringLiteral("truncated in the picture kind"));
    const QString kind = QString::fromLatin1(record.constData() + 1, kind_length);

    const auto format = picture_format_by_kind(kind);
    if (!format)
        fail(name, QStringLiteral("unknown picture kind \"%1\"").arg(kind));

    const qsizetype length_at = 1 + kind_length;
    if (total < length_at + 4)
        fail(name, QStringLiteral("truncated in the data length"));
    const quint32 length = read_le32(record.constData() + length_at);
    if (length == 0 || length > longest_data)
        fail(name, QStringLiteral("invalid data length %1").arg(length));

    const qsizetype data_at = length_at + 4;
    const qsizetype available = total - data_at;
    if (static_cast<quint64>(length) > static_cast<quint64>(available))
        fail(name, QStringLiteral("data length %1 runs past the end of the record (%2 bytes there)")
                       .arg(length)
                       .arg(available));
    if (static_cast<quint64>(length) < static_cast<quint64>(available))
        fail(name, QStringLiteral("%1 unexpected bytes after the data").arg(available - length));

    try {
        // Checked here (every coefficient decoded, the image made small), so
        // that a picture that cannot be shown is refused with its record
        // named, not when its page is built.
        picture result(*format, record.mid(data_at));
        result.check();
        return result;
    } catch (const AppError& error) {
        fail(name, error.message());
    }
}

picture load_picture_record(const QString& name, const QString& folder)
{
    static const QRegularExpression plain_name(QStringLiteral("^[A-Za-z0-9_-]+$"));
    if (!plain_name.match(name).hasMatch())
        fail(name, QStringLiteral("invalid record name"));

    const QString path = (folder.isEmpty() ? QStringLiteral(":/content/images") : folder) +
                         QLatin1Char('/') + name + QStringLiteral(".pic");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(name, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return read_picture_record(file.readAll(), name);
}

QByteArray write_picture_record(const QString& kind, const QByteArray& data)
{
    const QByteArray kind_bytes = kind.toLatin1();
    if (kind.isEmpty() || kind.size() > longest_kind || QString::fromLatin1(kind_bytes) != kind)
        throw AppError(error_kind,
                       QStringLiteral("Cannot write a picture record of kind \"%1\": the kind must "
                                      "be 1 to %2 Latin-1 characters")
                           .arg(kind)
                           .arg(longest_kind));
    if (data.isEmpty() || static_cast<quint64>(data.size()) > longest_data)
        throw AppError(error_kind,
                       QStringLiteral("Cannot write a picture record of %1 bytes of data")
                           .arg(data.size()));

    const auto length = static_cast<quint32>(data.size());
    QByteArray record;
    record.reserve(1 + kind_bytes.size() + 4 + data.size());
    record.append(static_cast<char>(kind_bytes.size()));
    record.append(kind_bytes);
    for (int i = 0; i < 4; ++i)
        record.append(static_cast<char>((length >> (8 * i)) & 0xFFu));
    record.append(data);
    return record;
}
