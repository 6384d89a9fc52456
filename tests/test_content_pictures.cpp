// Picture records: the stored layout, and every malformed record refused
// with a message naming the record.

#include "content/picture_record.h"
#include "platform/app_error.h"
#include "platform/picture_formats.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray make_jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(30, 120, 200));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(image);
    return buffer.data();
}

QByteArray le32(quint32 value)
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFFu));
    return bytes;
}

const QByteArray kind = QByteArrayLiteral("\x0aTJPEGImage");

QString error_of(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& error) {
        return error.kind() + QStringLiteral(": ") + error.message();
    }
    return {};
}

} // namespace

class test_content_pictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_standard_picture_formats(); }

    void record_is_written_and_read_back()
    {
        const QByteArray jpeg = make_jpeg(601, 147);
        const QByteArray record = write_picture_record(QStringLiteral("TJPEGImage"), jpeg);
        QCOMPARE(record, kind + le32(static_cast<quint32>(jpeg.size())) + jpeg);

        const picture p = read_picture_record(record, QStringLiteral("Q01"));
        QCOMPARE(p.kind(), QStringLiteral("TJPEGImage"));
        QCOMPARE(p.size(), QSize(601, 147));
        QCOMPARE(p.data(), jpeg);
        const QImage image = p.decode();
        QCOMPARE(image.size(), QSize(601, 147));
        QVERIFY(qAbs(image.pixelColor(300, 70).blue() - 200) < 8);
    }

    void malformed_record_is_refused_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("reason");
        const QByteArray jpeg = make_jpeg(40, 10);
        const QByteArray length = le32(static_cast<quint32>(jpeg.size()));

        QTest::newRow("empty") << QByteArray() << "empty record";
        QTest::newRow("kind length 0") << QByteArray(1, '\0') + length + jpeg << "invalid picture kind length 0";
        QTest::newRow("kind length 255") << QByteArray(1, '\xff') + QByteArray(255, 'T') + length + jpeg
                                         << "invalid picture kind length 255";
        QTest::newRow("truncated kind") << QByteArray("\x0aTJPEG") << "truncated in the picture kind";
        QTest::newRow("unknown kind") << QByteArray("\x07TBitmap") + length + jpeg << "unknown picture kind \"TBitmap\"";
        QTest::newRow("kind in other case") << QByteArray("\x0atjpegimage") + length + jpeg
                                            << "unknown picture kind \"tjpegimage\"";
        QTest::newRow("truncated length") << kind + QByteArray("\x10\x27", 2) << "truncated in the data length";
        QTest::newRow("data length 0") << kind + le32(0) << "invalid data length 0";
        QTest::newRow("data length 2^32-1") << kind + le32(0xFFFFFFFFu) + jpeg << "invalid data length 4294967295";
        QTest::newRow("length past the end") << kind + le32(static_cast<quint32>(jpeg.size() + 1)) + jpeg
                                             << "runs past the end of the record";
        QTest::newRow("no data at all") << kind + length << "runs past the end of the record (0 bytes there)";
        QTest::newRow("trailing bytes") << kind + length + jpeg + "xy" << "2 unexpected bytes after the data";
        const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("PNG payload") << kind + le32(16) + png << "Invalid JPEG data: Not a JPEG file";
        const QByteArray header_cut = jpeg.left(30);
        QTest::newRow("truncated header") << kind + le32(30) + header_cut << "Invalid JPEG data";
        QByteArray bad_frame = jpeg;
        const auto sof = bad_frame.indexOf("\xff\xc0");
        bad_frame[sof + 2] = '\x00'; // the frame header's length becomes 0
        bad_frame[sof + 3] = '\x00';
        QTest::newRow("corrupt frame header") << kind + length + bad_frame << "Invalid JPEG data";
        // Sound headers, data that does not decode: refused when read, not when shown.
        const QByteArray scan_cut = jpeg.left(jpeg.size() - 40);
        QTest::newRow("scan data cut short") << kind + le32(static_cast<quint32>(scan_cut.size())) + scan_cut
                                             << "Invalid JPEG data: Premature end of JPEG file";
        QFile cmyk(QStringLiteral(PARVOLIS_SOURCE_DIR "/tests/fuzz/regressions/jpeg/cmyk.jpg"));
        QVERIFY(cmyk.open(QIODevice::ReadOnly));
        QTest::newRow("CMYK data") << write_picture_record(QStringLiteral("TJPEGImage"), cmyk.readAll())
                                   << "Invalid JPEG data: unsupported colour space";
    }

    void malformed_record_is_refused()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, reason);
        const QString error = error_of([&] { read_picture_record(record, QStringLiteral("Q07")); });
        QVERIFY2(error.startsWith(QStringLiteral("EInvalidGraphic: Picture record \"Q07\": ")), qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void bad_record_is_not_written()
    {
        const QByteArray jpeg = make_jpeg(8, 8);
        for (const QString& bad_kind : {QString(), QString(255, u'T'), QStringLiteral("TJPEG图像")})
            QVERIFY(error_of([&] { write_picture_record(bad_kind, jpeg); }).startsWith("EInvalidGraphic"));
        QVERIFY(error_of([] { write_picture_record(QStringLiteral("TJPEGImage"), QByteArray()); })
                    .contains(QStringLiteral("0 bytes")));
        QCOMPARE(write_picture_record(QString(254, u'T'), jpeg).size(), 1 + 254 + 4 + jpeg.size());
    }

    void record_files()
    {
        QTemporaryDir dir;
        const QByteArray jpeg = make_jpeg(20, 10);
        QFile file(dir.filePath(QStringLiteral("Q12.pic")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(write_picture_record(QStringLiteral("TJPEGImage"), jpeg));
        file.close();

        QCOMPARE(load_picture_record(QStringLiteral("Q12"), dir.path()).size(), QSize(20, 10));
        QVERIFY(error_of([&] { load_picture_record(QStringLiteral("Q13"), dir.path()); })
                    .contains(QStringLiteral("Picture record \"Q13\": cannot read")));
        QVERIFY(error_of([] { load_picture_record(QStringLiteral("no_such_picture")); })
                    .contains(QStringLiteral(":/content/images/no_such_picture.pic")));
        for (const QString& name : {QString(), QStringLiteral("../Q12"), QStringLiteral("Q12.pic"), QStringLiteral("a/b")})
            QVERIFY(error_of([&] { load_picture_record(name, dir.path()); }).contains(QStringLiteral("invalid record name")));
    }
};

QTEST_GUILESS_MAIN(test_content_pictures)
#include "test_content_pictures.moc"
