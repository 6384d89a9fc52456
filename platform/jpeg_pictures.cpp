#include "platform/jpeg_pictures.h"

#include "platform/app_error.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>
#include <jerror.h>

namespace {

// libjpeg reports failures through this manager. An error, or a warning (which
// libjpeg raises for corrupt data it would otherwise patch over), jumps back to
// the guard below with the library's message kept here.
struct error_manager {
    jpeg_error_mgr pub;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void jump_out(j_common_ptr info)
{
    auto* errors = reinterpret_cast<error_manager*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->escape, 1);
}

void on_message(j_common_ptr info, int level)
{
    if (level < 0) // a warning; trace messages (level >= 0) are ignored
        jump_out(info);
}

void stay_silent(j_common_ptr) {}

struct decoder {
    jpeg_decompress_struct info{};
    error_manager errors{};

    decoder()
    {
        info.err = jpeg_std_error(&errors.pub);
        errors.pub.error_exit = jump_out;
        errors.pub.emit_message = on_message;
        errors.pub.output_message = stay_silent;
    }
    ~decoder() { jpeg_destroy_decompress(&info); } // safe on a never-created decoder
    decoder(const decoder&) = delete;
    decoder& operator=(const decoder&) = delete;
};

// Runs one step of libjpeg calls; false when libjpeg failed. Steps hold no
// objects with destructors, so jumping out of them skips none; everything
// that needs one lives in the caller.
template <typename Step>
bool guarded(decoder& d, Step step)
{
    if (setjmp(d.errors.escape))
        return false;
    step(&d.info);
    return true;
}

[[noreturn]] void fail(const QString& reason)
{
    throw AppError(QStringLiteral("EInvalidGraphic"),
                   QStringLiteral("Invalid JPEG data: %1").arg(reason));
}

[[noreturn]] void fail(const decoder& d)
{
    fail(QString::fromLatin1(d.errors.message));
}

void read_header(j_decompress_ptr info, const QByteArray& data)
{
    jpeg_create_decompress(info);
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(info, TRUE);
}

// The output colour space libjpeg converts to and the matching image format;
// Format_Invalid for colour spaces we do not show (CMYK, YCCK).
QImage::Format choose_output(j_decompress_ptr info)
{
    switch (info->jpeg_color_space) {
    case JCS_GRAYSCALE:
        info->out_color_space = JCS_GRAYSCALE;
        return QImage::Format_Grayscale8;
    case JCS_YCbCr:
    case JCS_RGB:
        info->out_color_space = JCS_RGB;
        return QImage::Format_RGB888;
    default:
        return QImage::Format_Invalid;
    }
}

// Far above the program's pictures (about 600 x 150), far below what would
// hurt: the image and libjpeg's working memory stay under about 100 MB, and
// a picture claiming more is refused from its header, before any allocation.
constexpr long long largest_image_pixels = 4096LL * 4096;
constexpr long working_memory_bytes = 48L * 1024 * 1024;

} // namespace

QSize jpeg_read_size(const QByteArray& data)
{
    decoder d;
    QSize size;
    if (!guarded(d, [&](j_decompress_ptr info) {
            read_header(info, data);
            size = QSize(static_cast<int>(info->image_width), static_cast<int>(info->image_height));
        }))
        fail(d);
    return size;
}

namespace {

// The image at 1 / `reduction` of its size (1, 2, 4 or 8); the limits apply
// to the whole image whatever the reduction.
QImage decode_reduced(const QByteArray& data, unsigned reduction)
{
    decoder d;
    QImage::Format format = QImage::Format_Invalid;
    if (!guarded(d, [&](j_decompress_ptr info) {
            read_header(info, data);
            format = choose_output(info);
            info->scale_num = 1;
            info->scale_denom = reduction;
            jpeg_calc_output_dimensions(info);
            // Past this, libjpeg fails instead of allocating; a progressive
            // image needs a buffer for the whole picture's coefficients.
            info->mem->max_memory_to_use = working_memory_bytes;
        }))
        fail(d);
    if (format == QImage::Format_Invalid)
        fail(QStringLiteral("unsupported colour space"));
    const auto width = static_cast<long long>(d.info.image_width);
    const auto height = static_cast<long long>(d.info.image_height);
    if (width * height > largest_image_pixels)
        fail(QStringLiteral("image of %1 x %2 pixels is too large").arg(width).arg(height));

    if (!guarded(d, [](j_decompress_ptr info) { jpeg_start_decompress(info); })) {
        if (d.errors.pub.msg_code == JERR_NO_BACKING_STORE)
            fail(QStringLiteral("image of %1 x %2 pixels needs more than %3 MB to decode")
                     .arg(width)
                     .arg(height)
                     .arg(working_memory_bytes / (1024 * 1024)));
        fail(d);
    }
    QImage image(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height), format);
    if (image.isNull())
        fail(QStringLiteral("out of memory"));

    if (!guarded(d, [&](j_decompress_ptr info) {
            while (info->output_scanline < info->output_height) {
                JSAMPROW row = image.scanLine(static_cast<int>(info->output_scanline));
                jpeg_read_scanlines(info, &row, 1);
            }
            jpeg_finish_decompress(info);
        }))
        fail(d);
    return image;
}

} // namespace

QImage jpeg_decode(const QByteArray& data)
{
    return decode_reduced(data, 1);
}

void jpeg_check(const QByteArray& data)
{
    decode_reduced(data, 8);
}
