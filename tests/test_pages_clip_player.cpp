// The clip player strip driven by mouse and keyboard over a fake audio
// service whose clock the test moves.

#include "pages/clip_glyphs.h"
#include "pages/clip_player.h"
#include "platform/app_error.h"
#include "tests/fake_audio_service.h"

#include <QtTest>

#include <QAccessible>
#include <QPushButton>

#include <functional>

namespace {

// A window holding a push button, the strip and another push button; it
// records the keys that reach it.
class host_window : public QWidget {
public:
    QPushButton* before = nullptr;
    ClipPlayer* strip = nullptr;
    QPushButton* after = nullptr;
    QList<int> keys_received;

    explicit host_window(fake_audio_service& service)
    {
        resize(300, 100);
        before = new QPushButton(QStringLiteral("avant"), this);
        before->setGeometry(10, 10, 80, 25);
        strip = new ClipPlayer(clip_file_name(QStringLiteral("Q01_h.mp3")), service, this);
        strip->move(100, 12);
        after = new QPushButton(QStringLiteral("après"), this);
        after->setGeometry(200, 10, 80, 25);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override { keys_received << e->key(); }
};

QPoint centre_of(const ClipPlayer& strip, ClipButton button)
{
    return strip.buttonBounds(button).center();
}

bool has_colour(const QImage& image, const QRect& area, QColor colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour.rgb())
                return true;
    return false;
}

int first_column_with(const QImage& image, const QRect& area, QColor colour)
{
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (image.pixel(x, y) == colour.rgb())
                return x;
    return -1;
}

const QColor lime(0, 255, 0);
const QColor yellow(255, 255, 0);

} // namespace

class test_pages_clip_player : public QObject {
    Q_OBJECT

    std::unique_ptr<fake_audio_service> service_;
    std::unique_ptr<host_window> host_;
    ClipPlayer* strip_ = nullptr;

    // Availability as three letters: Play "P", Pause "Z", Back-to-start "B",
    // "." for an unavailable button.
    QString available() const
    {
        QString s;
        s += strip_->isAvailable(ClipButton::Play) ? u'P' : u'.';
        s += strip_->isAvailable(ClipButton::Pause) ? u'Z' : u'.';
        s += strip_->isAvailable(ClipButton::BackToStart) ? u'B' : u'.';
        return s;
    }
    audio::mode mode() const { return service_->only_device().state; }
    std::uint32_t position() const { return service_->only_device().position; }

    void click(ClipButton button)
    {
        QTest::mouseClick(strip_, Qt::LeftButton, {}, centre_of(*strip_, button));
        QCoreApplication::processEvents(); // deliver the service's notices
    }
    void key(int k)
    {
        QTest::keyClick(strip_, static_cast<Qt::Key>(k));
        QCoreApplication::processEvents();
    }
    void end_of_clip()
    {
        service_->advance(service_->clip_length);
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        service_ = std::make_unique<fake_audio_service>();
        host_ = std::make_unique<host_window>(*service_);
        strip_ = host_->strip;
        host_->show();
        QApplication::setActiveWindow(host_.get());
        QVERIFY(QTest::qWaitForWindowActive(host_.get()));
        host_->before->setFocus();
    }
    void cleanup()
    {
        host_.reset();
        service_.reset();
    }

    void opening_makes_play_and_back_to_start_available()
    {
        QVERIFY(service_->devices.empty());
        QCOMPARE(available(), QStringLiteral("..."));
        QCOMPARE(strip_->focusedButton(), ClipButton::Play);

        strip_->open();
        QCOMPARE(service_->devices.size(), 1u);
        QCOMPARE(service_->only_device().receiver.data(), strip_); // its notices come to the strip
        QCOMPARE(service_->log, QStringList({"open", "can_play", "mode"}));
        QCOMPARE(available(), QStringLiteral("P.B"));
        QCOMPARE(service_->only_device().file_name, QStringLiteral("ressources/Q01_h.mp3"));
        QCOMPARE(mode(), audio::mode::stopped);
    }

    void a_failed_open_raises_the_service_text_and_leaves_no_device()
    {
        service_->open_failure = 0x0102;
        service_->texts[0x0102] = QStringLiteral("Le fichier audio « ressources/Q01_h.mp3 » est introuvable.");
        try {
            strip_->open();
            QFAIL("open should have failed");
        } catch (const AppError& error) {
            QCOMPARE(error.kind(), QStringLiteral("EMCIDeviceError"));
            QCOMPARE(error.message(), service_->texts[0x0102]);
        }
        QVERIFY(service_->devices.empty());
        QCOMPARE(service_->log, QStringList({"open"})); // nothing asked of a device it has not got
        QVERIFY_THROWS_EXCEPTION(AppError, strip_->play());
        QCOMPARE(available(), QStringLiteral("..."));

        service_->open_failure = 77; // a code without a text
        try {
            strip_->open();
            QFAIL("open should have failed");
        } catch (const AppError& error) {
            QCOMPARE(error.message(), QStringLiteral("Unknown error code"));
        }
    }

    void commands_without_a_device_raise()
    {
        const std::function<void()> commands[] = {[this] { strip_->play(); },
                                                  [this] { strip_->pause(); },
                                                  [this] { strip_->backToStart(); }};
        for (const auto& command : commands) {
            try {
                command();
                QFAIL("a command without a device should raise");
            } catch (const AppError& error) {
                QCOMPARE(error.kind(), QStringLiteral("EMCIDeviceError"));
                QCOMPARE(error.message(), QStringLiteral("No MCI device open"));
            }
        }
        QVERIFY(service_->log.isEmpty());
    }

    void play_then_play_again_does_not_restart()
    {
        strip_->open();
        click(ClipButton::Play);
        QCOMPARE(mode(), audio::mode::playing);
        QCOMPARE(available(), QStringLiteral(".ZB"));
        service_->advance(1500);
        click(ClipButton::Play); // unavailable now: ignored
        QCOMPARE(service_->log.count("play"), 1);
        QCOMPARE(position(), 1500u);
        QCOMPARE(available(), QStringLiteral(".ZB"));
    }

    void pause_toggles_and_play_continues_from_the_paused_point()
    {
        strip_->open();
        click(ClipButton::Play);
        service_->advance(2000);
        click(ClipButton::Pause);
        QCOMPARE(mode(), audio::mode::paused);
        QCOMPARE(available(), QStringLiteral("PZB")); // the pause's "aborted" notice changes nothing
        service_->advance(3000);
        QCOMPARE(position(), 2000u);

        click(ClipButton::Pause); // resumes
        QCOMPARE(mode(), audio::mode::playing);
        QCOMPARE(service_->log.count("resume"), 1);
        QCOMPARE(available(), QStringLiteral("PZB"));
        service_->advance(1000);
        QCOMPARE(position(), 3000u);

        click(ClipButton::Pause);
        click(ClipButton::Play); // from the paused point, no rewind
        QCOMPARE(mode(), audio::mode::playing);
        QCOMPARE(position(), 3000u);
        QVERIFY(!service_->log.contains("seek"));
        QCOMPARE(available(), QStringLiteral(".ZB"));
    }

    void back_to_start_stops_at_the_start()
    {
        strip_->open();
        click(ClipButton::Play);
        service_->advance(4000);
        click(ClipButton::BackToStart);
        QCOMPARE(mode(), audio::mode::stopped);
        QCOMPARE(position(), 0u);
        QCOMPARE(available(), QStringLiteral("P.B"));

        const qsizetype sent = service_->log.size();
        click(ClipButton::Pause); // unavailable: nothing sent
        QCOMPARE(service_->log.size(), sent);
        click(ClipButton::Play);
        QCOMPARE(mode(), audio::mode::playing);
        QCOMPARE(position(), 0u);
    }

    void a_clip_played_to_its_end_frees_play_and_rewinds_on_the_next_play()
    {
        strip_->open();
        click(ClipButton::Play);
        strip_->hide(); // the notice is handled on a hidden page too
        end_of_clip();
        QCOMPARE(mode(), audio::mode::stopped);
        QCOMPARE(available(), QStringLiteral("P.B"));
        strip_->show();

        service_->log.clear();
        click(ClipButton::Play);
        QCOMPARE(service_->log, QStringList({"position", "length", "seek", "play"}));
        QCOMPARE(mode(), audio::mode::playing);
        QCOMPARE(position(), 0u);
        QCOMPARE(available(), QStringLiteral(".ZB"));
    }

    void failed_commands_keep_the_buttons_and_a_failed_resume_plays()
    {
        strip_->open();
        service_->fail_next["play"] = 0x0207;
        click(ClipButton::Play);
        QCOMPARE(service_->log.last(), QStringLiteral("play")); // failed, and nothing after it
        QCOMPARE(available(), QStringLiteral("P.B"));
        QCOMPARE(mode(), audio::mode::stopped);

        click(ClipButton::Play);
        QCOMPARE(available(), QStringLiteral(".ZB"));
        click(ClipButton::Pause);
        service_->log.clear();
        service_->fail_next["resume"] = 0x0308;
        click(ClipButton::Pause);
        QCOMPARE(service_->log, QStringList({"mode", "mode", "resume", "position", "length", "play"}));
        QCOMPARE(mode(), audio::mode::playing);
        QCOMPARE(available(), QStringLiteral("PZB"));

        // A notice whose mode query fails changes nothing.
        service_->fail_next["mode"] = 0x0301;
        service_->log.clear();
        end_of_clip();
        QCOMPARE(service_->log, QStringList({"mode"}));
        QCOMPARE(available(), QStringLiteral("PZB"));
    }

    void mouse_press_on_an_unavailable_button_is_ignored()
    {
        strip_->open();
        QTest::mousePress(strip_, Qt::LeftButton, {}, centre_of(*strip_, ClipButton::Pause));
        const QImage image = strip_->grab().toImage();
        QTest::mouseRelease(strip_, Qt::LeftButton, {}, centre_of(*strip_, ClipButton::Pause));
        QCOMPARE(strip_->focusedButton(), ClipButton::Play);
        // Not pushed in: the raised highlight line is still there.
        const QRect pause = strip_->buttonBounds(ClipButton::Pause);
        QCOMPARE(image.pixel(pause.left() + 1, 1), strip_->palette().color(QPalette::Light).rgb());
        QCOMPARE(service_->log.count(), 3); // open, can_play, mode
    }

    void dragging_off_cancels_and_dragging_back_plays()
    {
        strip_->open();
        const QPoint on_play = centre_of(*strip_, ClipButton::Play);
        const QPoint off = centre_of(*strip_, ClipButton::BackToStart);

        QTest::mousePress(strip_, Qt::LeftButton, {}, on_play);
        QTest::mouseMove(strip_, off);
        QTest::mouseRelease(strip_, Qt::LeftButton, {}, off);
        QVERIFY(!service_->log.contains("play"));
        QCOMPARE(available(), QStringLiteral("P.B"));

        QTest::mousePress(strip_, Qt::LeftButton, {}, on_play);
        QTest::mouseMove(strip_, off);
        QTest::mouseMove(strip_, on_play + QPoint(3, 0));
        QTest::mouseRelease(strip_, Qt::LeftButton, {}, on_play + QPoint(3, 0));
        QCOMPARE(service_->log.count("play"), 1);
        QCOMPARE(available(), QStringLiteral(".ZB"));
    }

    void the_shared_border_column_belongs_to_the_left_button()
    {
        strip_->open();
        click(ClipButton::Play);
        click(ClipButton::Pause);
        QCOMPARE(available(), QStringLiteral("PZB"));
        service_->log.clear();
        QTest::mouseClick(strip_, Qt::LeftButton, {}, QPoint(28, 10));
        QCOMPARE(service_->log.count("play"), 1);
        QVERIFY(!service_->log.contains("pause"));
        QCOMPARE(strip_->focusedButton(), ClipButton::Play);

        service_->log.clear();
        QTest::mouseClick(strip_, Qt::LeftButton, {}, QPoint(29, 10));
        QCOMPARE(service_->log.count("pause"), 1);
        QCOMPARE(strip_->focusedButton(), ClipButton::Pause);
    }

    void a_click_leaves_the_keyboard_focus_where_it_was()
    {
        strip_->open();
        QVERIFY(host_->before->hasFocus());
        click(ClipButton::Play);
        QVERIFY(host_->before->hasFocus());
        QVERIFY(!strip_->hasFocus());
        QCOMPARE(mode(), audio::mode::playing);
    }

    void keyboard_moves_between_buttons_and_space_presses()
    {
        strip_->open();
        QTest::keyClick(host_->before, Qt::Key_Tab);
        QVERIFY(strip_->hasFocus());
        QCOMPARE(strip_->focusedButton(), ClipButton::Play);

        key(Qt::Key_Left); // already leftmost
        QCOMPARE(strip_->focusedButton(), ClipButton::Play);
        key(Qt::Key_Right);
        QCOMPARE(strip_->focusedButton(), ClipButton::Pause);
        key(Qt::Key_Space); // Pause unavailable: nothing
        QCOMPARE(service_->log.count(), 3);
        key(Qt::Key_Right);
        key(Qt::Key_Right); // already rightmost
        QCOMPARE(strip_->focusedButton(), ClipButton::BackToStart);
        QVERIFY(host_->keys_received.isEmpty()); // the arrows stay in the strip

        key(Qt::Key_Left);
        key(Qt::Key_Left);
        key(Qt::Key_Space);
        QCOMPARE(mode(), audio::mode::playing);
        QCOMPARE(available(), QStringLiteral(".ZB"));
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        service_->advance(500);
        key(Qt::Key_Space); // Back-to-start while playing
        QCOMPARE(mode(), audio::mode::stopped);
        QCOMPARE(position(), 0u);
        QCOMPARE(available(), QStringLiteral("P.B"));

        key(Qt::Key_Escape);
        QCOMPARE(host_->keys_received, QList<int>{Qt::Key_Escape});

        QTest::keyClick(strip_, Qt::Key_Tab);
        QVERIFY(host_->after->hasFocus());
    }

    void assistive_technology_sees_three_buttons_and_presses_them_as_clicks()
    {
        strip_->open();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(strip_);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Enregistrement"));
        QCOMPARE(iface->childCount(), 3);
        const auto button = [&](ClipButton b) { return iface->child(static_cast<int>(b)); };
        const auto enabled = [&] {
            QString s;
            for (ClipButton b : {ClipButton::Play, ClipButton::Pause, ClipButton::BackToStart})
                s += button(b)->state().disabled ? u'.' : u'E';
            return s;
        };
        const auto press = [&](ClipButton b) {
            button(b)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCoreApplication::processEvents();
        };
        QStringList names;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(iface->child(i)->role(), QAccessible::Button);
            QCOMPARE(iface->child(i)->parent(), iface);
            QCOMPARE(iface->indexOfChild(iface->child(i)), i);
            names << iface->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(names, (QStringList{"Lecture", "Pause", "Retour au début"}));
        const QPoint pause_centre = strip_->mapToGlobal(centre_of(*strip_, ClipButton::Pause));
        QCOMPARE(iface->childAt(pause_centre.x(), pause_centre.y()), button(ClipButton::Pause));
        QCOMPARE(enabled(), QStringLiteral("E.E"));

        press(ClipButton::Pause); // unavailable: nothing at all
        QCOMPARE(service_->log.count(), 3);

        press(ClipButton::Play);
        QCOMPARE(mode(), audio::mode::playing);
        QCOMPARE(enabled(), QStringLiteral(".EE"));
        QVERIFY(host_->before->hasFocus()); // as a click: the keyboard focus stays
        press(ClipButton::Pause);
        QCOMPARE(mode(), audio::mode::paused);
        QCOMPARE(enabled(), QStringLiteral("EEE"));
        QCOMPARE(strip_->focusedButton(), ClipButton::Pause);

        QTest::keyClick(host_->before, Qt::Key_Tab);
        QVERIFY(button(ClipButton::Pause)->state().focused && !button(ClipButton::Play)->state().focused);
        key(Qt::Key_Right);
        QVERIFY(button(ClipButton::BackToStart)->state().focused);
        QCOMPARE(iface->focusChild(), button(ClipButton::BackToStart));
    }

    void tabbing_in_after_a_click_shows_the_clicked_button()
    {
        strip_->open();
        click(ClipButton::Play);
        click(ClipButton::Pause);
        QTest::keyClick(host_->before, Qt::Key_Tab);
        QVERIFY(strip_->hasFocus());
        QCOMPARE(strip_->focusedButton(), ClipButton::Pause);
    }

    void drawing_follows_availability_focus_and_press()
    {
        strip_->open();
        const QRect play = strip_->buttonBounds(ClipButton::Play);
        const QRect pause = strip_->buttonBounds(ClipButton::Pause);
        const QColor frame = strip_->palette().color(QPalette::Shadow);
        const QColor face = strip_->palette().color(QPalette::Button);
        const QColor dots = strip_->palette().color(QPalette::WindowText);

        QImage image = strip_->grab().toImage();
        QCOMPARE(image.pixel(0, 0), frame.rgb());
        QCOMPARE(image.pixel(84, 19), frame.rgb());
        QCOMPARE(image.pixel(28, 10), frame.rgb()); // the shared border column
        QVERIFY(has_colour(image, play, lime));
        QVERIFY(!has_colour(image, pause, yellow));
        QCOMPARE(image.pixel(3, 3), face.rgb()); // no focus, no dotted frame

        click(ClipButton::Play);
        image = strip_->grab().toImage();
        QVERIFY(!has_colour(image, play, lime));
        QVERIFY(has_colour(image, pause, yellow));

        strip_->setFocus();
        image = strip_->grab().toImage();
        QCOMPARE(image.pixel(3, 3), dots.rgb());
        QCOMPARE(image.pixel(4, 3), face.rgb());
        QCOMPARE(image.pixel(24, 16), dots.rgb()); // bottom edge, 3 px inside
        QCOMPARE(image.pixel(25, 15), dots.rgb()); // right edge
        QCOMPARE(image.pixel(26, 15), face.rgb());

        // Pushed in: the glyph moves one pixel right and the highlight goes.
        const int raised_column = first_column_with(image, pause, yellow);
        QTest::mousePress(strip_, Qt::LeftButton, {}, centre_of(*strip_, ClipButton::Pause));
        image = strip_->grab().toImage();
        QCOMPARE(first_column_with(image, pause, yellow), raised_column + 1);
        QCOMPARE(image.pixel(pause.left() + 1, 1), strip_->palette().color(QPalette::Dark).rgb());
        QCOMPARE(image.pixel(pause.right() - 1, pause.bottom() - 1), face.rgb());
        QTest::mouseRelease(strip_, Qt::LeftButton, {}, centre_of(*strip_, ClipButton::Pause));
    }

    void layout_keeps_the_width_rule_and_minimum()
    {
        QCOMPARE(strip_->size(), QSize(85, 20));
        QCOMPARE(strip_->buttonBounds(ClipButton::Play), QRect(0, 0, 29, 20));
        QCOMPARE(strip_->buttonBounds(ClipButton::Pause), QRect(28, 0, 29, 20));
        QCOMPARE(strip_->buttonBounds(ClipButton::BackToStart), QRect(56, 0, 29, 20));

        QCOMPARE(ClipPlayer::fittedSize({85, 20}), QSize(85, 20));
        QCOMPARE(ClipPlayer::fittedSize({87, 20}), QSize(85, 20));
        QCOMPARE(ClipPlayer::fittedSize({88, 25}), QSize(88, 25));
        QCOMPARE(ClipPlayer::fittedSize({100, 20}), QSize(100, 20));
        QCOMPARE(ClipPlayer::fittedSize({40, 8}), QSize(85, 20));

        strip_->resize(102, 30);
        QCOMPARE(strip_->size(), QSize(100, 30));
        QCOMPARE(strip_->buttonBounds(ClipButton::Play).width(), 34);
        QCOMPARE(strip_->buttonBounds(ClipButton::BackToStart), QRect(66, 0, 34, 30));
        strip_->resize(50, 10);
        QCOMPARE(strip_->size(), QSize(85, 20));
    }

    void destroying_the_strip_closes_its_playing_device()
    {
        strip_->open();
        click(ClipButton::Play);
        delete strip_;
        strip_ = nullptr;
        QCOMPARE(service_->log.last(), QStringLiteral("close"));
        QVERIFY(service_->devices.empty());
    }

    void glyphs_are_sixteen_colour_bitmaps_with_an_olive_background()
    {
        const struct {
            const char* name;
            QSize size;
            QColor fill;
        } glyphs[] = {
            {"CL_MPPLAY", {17, 16}, lime},           {"DI_MPPLAY", {17, 16}, {}},
            {"CL_MPPAUSE", {13, 16}, yellow},        {"DI_MPPAUSE", {12, 16}, {}},
            {"CL_MPPREV", {20, 16}, QColor(0, 0, 255)}, {"DI_MPPREV", {20, 16}, {}},
        };
        const QColor grey(128, 128, 128), white(255, 255, 255);
        // The classic desktop palette's sixteen colours, olive (128, 128, 0) among them.
        const QList<QRgb> palette = {
            qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0), qRgb(0, 0, 128),   qRgb(128, 0, 128),
            qRgb(0, 128, 128), qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0),
            qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
        for (const auto& g : glyphs) {
            const QImage& image = clip_glyph_for_drawing(QString::fromLatin1(g.name));
            QCOMPARE(image.size(), g.size);
            // The background shows through; the rest is drawn in the sixteen colours.
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            const auto shape = [&](int x, int y) { return y >= 0 && y < image.height() && qAlpha(image.pixel(x, y)) != 0; };
            bool sixteen = true;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    sixteen = sixteen && (!shape(x, y) || palette.contains(image.pixel(x, y)));
            QVERIFY2(sixteen, g.name);
            QVERIFY(has_colour(image, image.rect(), grey));
            QVERIFY(has_colour(image, image.rect(), white));
            QCOMPARE(has_colour(image, image.rect(), lime), g.fill == lime);
            if (g.fill.isValid())
                QVERIFY(has_colour(image, image.rect(), g.fill));
            // Raised edge of a filled glyph: upper border grey, lower border white.
            for (int y = 0; y < image.height() && g.fill.isValid(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    if (shape(x, y) && !shape(x, y - 1))
                        QCOMPARE(image.pixel(x, y), grey.rgb());
                    else if (shape(x, y) && !shape(x, y + 1))
                        QCOMPARE(image.pixel(x, y), white.rgb());
                }
        }
        QVERIFY(clip_glyph_for_drawing(QStringLiteral("CL_NOTHING")).isNull());
    }
};

QTEST_MAIN(test_pages_clip_player)
#include "test_pages_clip_player.moc"
