// The recordings the build makes, opened as the program opens them: one clip
// player per clip named by the shipped catalogue, in the build folder's
// "ressources", with the real audio service.

#include "audio_spy.h"
#include "content/catalogue.h"
#include "pages/clip_player.h"
#include "platform/app_error.h"
#include "platform/openal_audio_service.h"
#include "platform/picture_formats.h"

#include <QtTest>

#include <QDir>
#include <QSet>

#include <memory>
#include <vector>

class test_pages_recordings : public QObject {
    Q_OBJECT

    QStringList clips_; // every clip of section 1, page by page

private slots:
    void initTestCase()
    {
        register_standard_picture_formats();
        try {
            const catalogue shipped = catalogue::load();
            for (const page& p : shipped.pages(1))
                clips_ << clips_of(p);
        } catch (const AppError& error) {
            QFAIL(qPrintable(error.kind() + QStringLiteral(": ") + error.message()));
        }
        QVERIFY2(QDir::setCurrent(QStringLiteral(PARVOLIS_BUILD_DIR)), PARVOLIS_BUILD_DIR);
        QVERIFY2(QDir(QStringLiteral("ressources")).exists(),
                 "no ressources folder in the build: build the recordings target");
    }

    void the_catalogue_names_83_distinct_clips()
    {
        QCOMPARE(clips_.size(), 83);
        QCOMPARE(QSet<QString>(clips_.begin(), clips_.end()).size(), 83);
    }

    void every_recording_opens_and_lasts_1_to_60_seconds()
    {
        audio::openal_audio_service device;
        audio_spy service(device);
        std::vector<std::unique_ptr<ClipPlayer>> players;
        for (const QString& clip : std::as_const(clips_)) {
            players.push_back(std::make_unique<ClipPlayer>(clip_file_name(clip), service));
            try {
                players.back()->open();
            } catch (const AppError& error) {
                QFAIL(qPrintable(error.message()));
            }
            QVERIFY(players.back()->isAvailable(ClipButton::Play));
            std::uint32_t length = 0;
            QCOMPARE(service.status_length(service.device_of(players.back().get())->id, length), 0u);
            // The shortest, a question of five syllables at exam pace, lasts 1.4 s.
            QVERIFY2(length >= 1000 && length <= 60000,
                     qPrintable(QStringLiteral("%1: %2 ms").arg(clip).arg(length)));
        }
    }
};

QTEST_MAIN(test_pages_recordings)
#include "test_pages_recordings.moc"
