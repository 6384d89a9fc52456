// Picture formats, JPEG reading through libjpeg, and where a picture is
// drawn in its frame.

#include "platform/app_error.h"
#include "platform/jpeg_pictures.h"
#include "platform/picture_formats.h"
#include "platform/picture_frame.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryFile>
#include <QtTest>

#include <unistd.h>

namespace {

QByteArray make_jpeg(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.write(image);
    return buffer.data();
}

// Red left half, blue right half.
QImage two_colours(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::red);
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x)
            image.setPixelColor(x, y, Qt::blue);
    return image;
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 && qAbs(a.blue() - b.blue()) < 24;
}

// Everything written to the process's standard error while it lives.
class stderr_capture {
public:
    stderr_capture()
    {
        file_.open();
        std::fflush(stderr);
        saved_ = dup(2);
        dup2(file_.handle(), 2);
    }
    ~stderr_capture() { restore(); }
    QByteArray text()
    {
        restore();
        file_.seek(0);
        return file_.readAll();
    }

private:
    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        saved_ = -1;
    }
    QTemporaryFile file_;
    int saved_ = -1;
};

} // namespace

class test_platform_pictures : public QObject {
    Q_OBJECT

private slots:
    void placement_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("drawn");
        QTest::newRow("own size, centred") << QSize(607, 150) << QRect(9, 15, 607, 150);
        QTest::newRow("odd margins round down") << QSize(591, 143) << QRect(17, 18, 591, 143);
        QTest::newRow("exactly the frame") << QSize(625, 180) << QRect(0, 0, 625, 180);
        QTest::newRow("small square") << QSize(100, 100) << QRect(262, 40, 100, 100);
        QTest::newRow("too wide") << QSize(700, 180) << QRect(0, 10, 625, 160);
        QTest::newRow("one pixel too wide") << QSize(626, 100) << QRect(0, 40, 625, 99);
        QTest::newRow("wide but too high after scaling") << QSize(1300, 500) << QRect(78, 0, 468, 180);
        QTest::newRow("too high") << QSize(300, 400) << QRect(245, 0, 135, 180);
        QTest::newRow("square, too high") << QSize(181, 181) << QRect(222, 0, 180, 180);
        QTest::newRow("narrow and very tall") << QSize(3, 10000) << QRect(312, 0, 0, 180);
        QTest::newRow("empty") << QSize(0, 0) << QRect(312, 90, 0, 0);
    }

    void placement()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, drawn);
        QCOMPARE(picture_placement(picture, QSize(625, 180)), drawn);
    }

    void placement_second_rule_of_tall_pictures()
    {
        // In a frame higher than wide, a tall picture may still be too wide at full height.
        QCOMPARE(picture_placement(QSize(90, 100), QSize(50, 200)), QRect(0, 72, 50, 55));
        // Huge sizes do not overflow.
        QCOMPARE(picture_placement(QSize(2000000000, 1000000000), QSize(625, 180)), QRect(132, 0, 360, 180));
    }

    void standard_formats_are_registered()
    {
        // A format registered again under its kind replaces the one before.
        picture_format other{QStringLiteral("TJPEGImage"), {QStringLiteral("jfif")}, QStringLiteral("other")};
        register_picture_format(other);
        QCOMPARE(picture_format_by_kind(QStringLiteral("TJPEGImage"))->description, QStringLiteral("other"));
        register_standard_picture_formats();
        register_standard_picture_formats();
        const auto jpeg = picture_format_by_kind(QStringLiteral("TJPEGImage"));
        QVERIFY(jpeg);
        QCOMPARE(jpeg->extensions, QStringList({"jpeg", "jpg"}));
        QCOMPARE(jpeg->description, QStringLiteral("JPEG Image File"));
        QVERIFY(!picture_format_by_kind(QStringLiteral("TBitmap")));

        // A picture of a registered kind: size at once, pixels on request.
        const picture p(*jpeg, make_jpeg(two_colours(64, 16)));
        QCOMPARE(p.size(), QSize(64, 16));
        QCOMPARE(p.decode().size(), QSize(64, 16));
    }

    void jpeg_is_read()
    {
        const QByteArray colour = make_jpeg(two_colours(600, 150));
        QCOMPARE(jpeg_read_size(colour), QSize(600, 150));
        const QImage image = jpeg_decode(colour);
        QCOMPARE(image.size(), QSize(600, 150));
        QCOMPARE(image.format(), QImage::Format_RGB888);
        QVERIFY(near(image.pixelColor(10, 75), Qt::red));
        QVERIFY(near(image.pixelColor(590, 75), Qt::blue));

        QImage grey(33, 17, QImage::Format_Grayscale8);
        grey.fill(200);
        const QImage decoded = jpeg_decode(make_jpeg(grey));
        QCOMPARE(decoded.format(), QImage::Format_Grayscale8);
        QCOMPARE(decoded.size(), QSize(33, 17));
        QVERIFY(qAbs(qGray(decoded.pixel(16, 8)) - 200) < 4);
    }

    void corrupt_jpeg_is_an_error_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("header_readable");
        const QByteArray good = make_jpeg(two_colours(200, 100));
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("text") << QByteArray("not a picture") << false;
        QTest::newRow("PNG signature") << QByteArray("\x89PNG\r\n\x1a\n", 8) << false;
        QTest::newRow("start marker only") << QByteArray("\xff\xd8", 2) << false;
        QTest::newRow("cut in the header") << good.left(40) << false;
        QTest::newRow("cut in the image data") << good.left(good.size() / 2) << true;
        QByteArray no_end = good;
        no_end.chop(2); // the end-of-image marker
        QTest::newRow("no end marker") << no_end << true;
        QByteArray zero_width = good;
        const auto sof = zero_width.indexOf("\xff\xc0");
        zero_width[sof + 7] = '\0';
        zero_width[sof + 8] = '\0';
        QTest::newRow("zero width") << zero_width << false;
    }

    void corrupt_jpeg_is_an_error()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, header_readable);
        stderr_capture capture;
        QString size_error;
        try {
            jpeg_read_size(data);
        } catch (const AppError& e) {
            size_error = e.kind();
        }
        QString decode_error;
        QString message;
        try {
            jpeg_decode(data);
        } catch (const AppError& e) {
            decode_error = e.kind();
            message = e.message();
        }
        const QByteArray printed = capture.text();
        QCOMPARE(size_error.isEmpty(), header_readable);
        QCOMPARE(decode_error, QStringLiteral("EInvalidGraphic"));
        QVERIFY2(message.startsWith(QStringLiteral("Invalid JPEG data: ")) && message.size() > 20, qPrintable(message));
        QVERIFY2(printed.isEmpty(), printed.constData());
    }
};

QTEST_GUILESS_MAIN(test_platform_pictures)
#include "test_platform_pictures.moc"
