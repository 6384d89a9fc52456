// Draws the fifteen picture strips of a paper's picture questions and writes
// each one as a picture record (Qnn.pic) into that paper's pictures folder:
//   draw_pictures PAPER CONTENT_FOLDER [JPEG_FOLDER]
// PAPER is the paper's number; CONTENT_FOLDER is the source tree's content/.
// With a JPEG folder, the plain JPEG files are written there too, to look at.
//
// A strip is four framed drawings side by side, the alternatives A to D from
// left to right; each drawing sits under its answer letter on the page.

#include "content/picture_record.h"
#include "platform/app_error.h"
#include "platform/picture_formats.h"
#include "tools/picture_drawings.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSize>
#include <QTextStream>
#include <array>
#include <iterator>
#include <vector>

using namespace drawings;

namespace {

constexpr int kStripWidth = 604;
constexpr int kStripHeight = 148;
// The letters stand 152 pixels apart on the page; the strip's cells follow them.
constexpr int kCellSpacing = 152;
constexpr int kFirstCellLeft = 14;
constexpr int kCellTop = (kStripHeight - kCellHeight) / 2;
constexpr int kDotsPerMetre = 3780; // 96 dpi
constexpr int kJpegQuality = 90;
// Drawings are painted at this scale about the centre of their cell, so that
// none touches or crosses its frame.
constexpr qreal kDrawingScale = 0.88;

struct Strip {
    const char* name;
    std::array<Drawing, 4> cells; // A, B, C, D
};

// Each strip matches the exchange of its question's two recordings and the
// question read after them; the keyed drawing is the only one that answers it.
std::vector<Strip> firstPaperStrips()
{
    return {
        {"Q01", {analogClock(7, 0), analogClock(7, 30), analogClock(8, 0), analogClock(10, 30)}},
        {"Q02", {rain, sun, snow, clouds}},
        {"Q03", {bookWithPrice(80), bookWithPrice(180), bookWithPrice(100), bookWithPrice(120)}},
        {"Q04", {taxi, bus, bicycle, train}},
        {"Q05", {calendarPage(10, 16), calendarPage(10, 6), calendarPage(6, 10), calendarPage(11, 16)}},
        {"Q06", {tickets(4), tickets(3), tickets(2), tickets(5)}},
        {"Q07", {hospital, school, house, shop}},
        {"Q08", {wristwatch, mobilePhone, glasses, key}},
        {"Q09", {coffee, milk, tea, juice}},
        {"Q10", {football, tableTennis, swimming, basketball}},
        {"Q11", {doorNumber(305), doorNumber(350), doorNumber(503), doorNumber(530)}},
        {"Q12", {digitalClock(9, 45), digitalClock(10, 15), digitalClock(10, 45), digitalClock(9, 15)}},
        {"Q13", {dog, bird, cat, fish}},
        {"Q14", {trousers, shirt, skirt, hat}},
        {"Q15", {apples, bananas, grapes, watermelon}},
    };
}

std::vector<Strip> secondPaperStrips()
{
    return {
        {"Q01", {analogClock(6, 0), analogClock(8, 30), analogClock(7, 0), analogClock(5, 0)}},
        {"Q02", {airplane, train, bus, car}},
        {"Q03", {cupsWithPrice(60), cupsWithPrice(20), cupsWithPrice(50), cupsWithPrice(10)}},
        {"Q04", {school, restaurant, hospital, bank}},
        {"Q05", {calendarPage(7, 11), calendarPage(7, 10), calendarPage(7, 2), calendarPage(7, 12)}},
        {"Q06", {noodles, rice, fishDish, dumplings}},
        {"Q07", {cinema, washingClothes, sleepingInBed, reading}},
        {"Q08", {waterBottle, books, umbrella, hat}},
        {"Q09", {sun, rain, clouds, wind}},
        {"Q10", {horse, panda, bird, sheep}},
        {"Q11", {busNumber(15), busNumber(50), busNumber(5), busNumber(55)}},
        {"Q12", {catUnderTable, catOnChair, catInBox, catAsleepOnBed}},
        {"Q13", {skirt, shirt, shoes, coat}},
        {"Q14", {chairs(3), chairs(4), chairs(5), chairs(7)}},
        {"Q15", {television, mobilePhone, fridge, computer}},
    };
}

struct Paper {
    int number;
    const char* folder; // its pictures folder, inside the content folder
    std::vector<Strip> (*strips)();
};

const Paper kPapers[] = {
    {1, "images", firstPaperStrips},
    {2, "epreuve2/images", secondPaperStrips},
};

QImage paintStrip(const Strip& strip)
{
    QImage image(kStripWidth, kStripHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < 4; ++i) {
        const QRectF cell(kFirstCellLeft + i * kCellSpacing, kCellTop, kCellWidth, kCellHeight);
        p.setPen(QPen(QColor(90, 90, 100), 2));
        p.setBrush(QColor(251, 250, 244));
        p.drawRoundedRect(cell.adjusted(1, 1, -1, -1), 6, 6);
        p.save();
        p.setClipRect(cell.adjusted(2, 2, -2, -2));
        p.translate(cell.center());
        p.scale(kDrawingScale, kDrawingScale);
        p.translate(-kCellWidth / 2.0, -kCellHeight / 2.0);
        strip.cells[static_cast<std::size_t>(i)](p);
        p.restore();
    }
    return image;
}

QByteArray encodeJpeg(const QImage& image)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kJpegQuality);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(image))
        return {};
    return jpeg;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4) {
        err << "usage: draw_pictures PAPER CONTENT_FOLDER [JPEG_FOLDER]\n";
        return 2;
    }
    const Paper* paper = nullptr;
    for (const Paper& candidate : kPapers)
        if (args[1] == QString::number(candidate.number))
            paper = &candidate;
    if (paper == nullptr) {
        err << "draw_pictures: there is no paper \"" << args[1] << "\" (papers: 1 to "
            << std::size(kPapers) << ")\n";
        return 2;
    }
    const QDir images(QDir(args[2]).filePath(paper->folder));
    const QString jpegFolder = args.size() == 4 ? args[3] : QString();
    for (const QString& folder : {images.path(), jpegFolder}) {
        if (!folder.isEmpty() && !QDir().mkpath(folder)) {
            err << "draw_pictures: cannot create " << folder << "\n";
            return 1;
        }
    }

    register_standard_picture_formats();
    for (const Strip& strip : paper->strips()) {
        const QByteArray jpeg = encodeJpeg(paintStrip(strip));
        if (jpeg.isEmpty()) {
            err << "draw_pictures: cannot encode " << strip.name << " as JPEG\n";
            return 1;
        }
        const QString path = images.filePath(QString(strip.name) + ".pic");
        try {
            const QByteArray record = write_picture_record(QStringLiteral("TJPEGImage"), jpeg);
            // Read it back as the program will, before writing it.
            const picture check = read_picture_record(record, path);
            if (check.size() != QSize(kStripWidth, kStripHeight)) {
                err << "draw_pictures: " << path << " reads back at the wrong size\n";
                return 1;
            }
            if (!writeFile(path, record)) {
                err << "draw_pictures: cannot write " << path << "\n";
                return 1;
            }
        } catch (const AppError& error) {
            err << "draw_pictures: " << error.message() << "\n";
            return 1;
        }
        if (!jpegFolder.isEmpty()) {
            const QString plain = QDir(jpegFolder).filePath(QString(strip.name) + ".jpg");
            if (!writeFile(plain, jpeg)) {
                err << "draw_pictures: cannot write " << plain << "\n";
                return 1;
            }
        }
    }
    return 0;
}
