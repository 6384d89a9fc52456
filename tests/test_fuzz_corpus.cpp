// The fuzz targets' regression corpus (tests/fuzz/regressions/<entry>/),
// replayed through the targets' own entry points with the normal compiler:
// every file must give the outcome that expected.txt writes beside its name.
// The JPEG bombs are made here rather than stored.

#include "content/picture_record.h"
#include "fuzz/fuzz_entries.h"

#include <QtTest>

#include <sys/resource.h>

namespace {

const QString corpus = QStringLiteral(PARVOLIS_SOURCE_DIR "/tests/fuzz/regressions");

// "entry/file" -> outcome, from the lines "entry/file<TAB>outcome".
QMap<QString, QString> expected_outcomes()
{
    QMap<QString, QString> outcomes;
    QFile file(corpus + "/expected.txt");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return outcomes;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts))
        outcomes.insert(line.section(u'\t', 0, 0), line.section(u'\t', 1));
    return outcomes;
}

QString outcome_of(const QString& entry, const QByteArray& bytes)
{
    if (entry == "catalogue")
        return catalogue_outcome(bytes);
    if (entry == "picture_record")
        return picture_record_outcome(bytes);
    if (entry == "jpeg")
        return jpeg_outcome(bytes);
    if (entry == "mp3")
        return mp3_outcome(bytes);
    return QStringLiteral("no entry point named ") + entry;
}

void append_marker(QByteArray& out, int marker, const QByteArray& body)
{
    const auto length = body.size() + 2;
    out.append('\xFF').append(static_cast<char>(marker));
    out.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xFF)).append(body);
}

// A valid progressive JPEG of three full-resolution components holding only
// the first scan, every DC difference zero: one bit per 8 x 8 block, so a
// huge picture in little data (30000 x 30000 pixels in 5.3 MB).
QByteArray progressive_jpeg(int width, int height)
{
    QByteArray jpeg("\xFF\xD8", 2);
    append_marker(jpeg, 0xDB, QByteArray(1, '\0') + QByteArray(64, '\1'));
    const char size[] = {static_cast<char>(height >> 8), static_cast<char>(height & 0xFF),
                         static_cast<char>(width >> 8), static_cast<char>(width & 0xFF)};
    append_marker(jpeg, 0xC2, "\x08" + QByteArray(size, 4) + QByteArray("\x03\x01\x11\x00\x02\x11\x00\x03\x11\x00", 10));
    append_marker(jpeg, 0xC4, QByteArray("\x00\x01", 2) + QByteArray(15, '\0') + QByteArray(1, '\0'));
    append_marker(jpeg, 0xDA, QByteArray("\x03\x01\x00\x02\x00\x03\x00\x00\x00\x00", 10));
    const qint64 bits = 3LL * ((width + 7) / 8) * ((height + 7) / 8);
    jpeg.append(QByteArray(static_cast<qsizetype>(bits / 8), '\0'));
    if (const int used = static_cast<int>(bits % 8))
        jpeg.append(static_cast<char>((1 << (8 - used)) - 1)); // pad with one bits
    return jpeg.append("\xFF\xD9", 2);
}

long peak_memory_kb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class test_fuzz_corpus : public QObject {
    Q_OBJECT

private slots:
    void every_file_gives_its_expected_outcome_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QMap<QString, QString> expected = expected_outcomes();
        for (const QString& entry : QDir(corpus).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            for (const QString& name : QDir(corpus + "/" + entry).entryList(QDir::Files)) {
                const QString key = entry + "/" + name;
                QTest::newRow(qPrintable(key)) << entry << corpus + "/" + key << expected.take(key);
            }
        }
        for (auto left = expected.cbegin(); left != expected.cend(); ++left) // no such file
            QTest::newRow(qPrintable(left.key())) << QString() << corpus + "/" + left.key() << left.value();
    }

    void every_file_gives_its_expected_outcome()
    {
        QFETCH(QString, entry);
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), "expected.txt names a file that is not there");
        QVERIFY2(!expected.isEmpty(), "the file has no line in expected.txt");
        QCOMPARE(outcome_of(entry, file.readAll()), expected);
    }

    // Refused before their pixels are decoded: the peak resident
    // memory shows it (a wall-clock limit would fail on a slow or
    // instrumented build without saying anything about the decoder).
    void jpeg_bombs_are_refused_in_little_memory()
    {
        const QByteArray bomb = progressive_jpeg(30000, 30000);
        QCOMPARE(jpeg_outcome(progressive_jpeg(64, 24)), QStringLiteral("ok 64x24")); // the maker makes JPEG
        QVERIFY(bomb.size() > 5'000'000);
        const QByteArray record = write_picture_record(QStringLiteral("TJPEGImage"), bomb);

        const long peak_before = peak_memory_kb();
        QCOMPARE(picture_record_outcome(record),
                 QStringLiteral("error: Picture record \"fuzz\": Invalid JPEG data: image of 30000 x 30000 "
                                "pixels is too large"));
        // Within its pixel limit, but a progressive picture needs all of its
        // coefficients in memory: libjpeg's limit refuses it.
        QCOMPARE(jpeg_outcome(progressive_jpeg(4000, 4000)),
                 QStringLiteral("error: Invalid JPEG data: image of 4000 x 4000 pixels needs more than 48 MB "
                                "to decode"));
        QVERIFY2(peak_memory_kb() - peak_before < 100 * 1024, qPrintable(QString::number(peak_memory_kb())));
    }
};

QTEST_MAIN(test_fuzz_corpus)
#include "test_fuzz_corpus.moc"
