#include "platform/picture_formats.h"

#include "platform/jpeg_pictures.h"

#include <algorithm>

namespace {

std::vector<picture_format>& registry()
{
    static std::vector<picture_format> formats;
    return formats;
}

} // namespace

void register_picture_format(const picture_format& format)
{
    auto& formats = registry();
    auto same_kind = [&](const picture_format& f) { return f.kind == format.kind; };
    auto existing = std::find_if(formats.begin(), formats.end(), same_kind);
    if (existing != formats.end())
        *existing = format;
    else
        formats.push_back(format);
}

void register_standard_picture_formats()
{
    register_picture_format({QStringLiteral("TJPEGImage"),
                             {QStringLiteral("jpeg"), QStringLiteral("jpg")},
                             QStringLiteral("JPEG Image File"), jpeg_read_size, jpeg_decode, jpeg_check});
}

std::optional<picture_format> picture_format_by_kind(const QString& kind)
{
    for (const auto& format : registry())
        if (format.kind == kind)
            return format;
    return std::nullopt;
}

picture::picture(picture_format format, QByteArray data)
    : format_(std::move(format)), data_(std::move(data)), size_(format_.read_size(data_))
{
}

QImage picture::decode() const
{
    if (decoded_.isNull())
        decoded_ = format_.decode(data_);
    return decoded_;
}

void picture::check() const
{
    if (!decoded_.isNull())
        return;
    if (format_.check)
        format_.check(data_);
    else
        format_.decode(data_);
}
