#pragma once
// Registry of the picture formats the program can read, and the picture they
// make: the encoded data kept as it is, its size read from the header at once,
// decoded on request. Formats are registered once at start-up, before any
// picture is read; after that, pictures may be read on any thread.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct picture_format {
    QString kind;           // the picture kind's name, e.g. "TJPEGImage"
    QStringList extensions; // file extensions without the dot, lower case
    QString description;    // e.g. "JPEG Image File"
    // All throw AppError on data they cannot read.
    QSize (*read_size)(const QByteArray& data) = nullptr;
    QImage (*decode)(const QByteArray& data) = nullptr;
    // Refuses what decode would refuse, for less work; none: decode is the check.
    void (*check)(const QByteArray& data) = nullptr;
};

// Adds a format, or replaces the one registered under the same kind.
void register_picture_format(const picture_format& format);

// The formats every run of the program needs: JPEG as "TJPEGImage", under
// the extensions "jpeg" and "jpg", described as "JPEG Image File".
// Registering them again changes nothing.
void register_standard_picture_formats();

// The format registered under that kind; none when there is none.
std::optional<picture_format> picture_format_by_kind(const QString& kind);

// A picture of a registered format. Reading it reads the header for the size;
// decoding happens on request.
class picture {
public:
    // Throws AppError when the data's header cannot be read.
    picture(picture_format format, QByteArray data);

    const QString& kind() const { return format_.kind; }
    const QByteArray& data() const { return data_; }
    QSize size() const { return size_; }
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }

    // Throws AppError when the data cannot be decoded. Decodes once; later
    // calls give the same image.
    QImage decode() const;
    // Throws AppError when decode() would; does not keep an image.
    void check() const;

private:
    picture_format format_;
    QByteArray data_;
    QSize size_;
    mutable QImage decoded_;
};
