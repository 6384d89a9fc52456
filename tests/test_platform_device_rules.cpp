// The audio devices' rules on a clock the test moves and a sound output that
// plays one frame a millisecond: modes, stop positions, notices, refills and
// the closing of the idle output, with no waiting.

#include "notice_recorder.h"
#include "platform/device_rules.h"

#include <QtTest>

#include <algorithm>
#include <set>
#include <vector>

using namespace audio;

namespace {

// Timers that fire as the test moves the clock on, a millisecond at a time.
class fake_clock final : public audio_clock {
    struct timer final : clock_timer {
        timer(fake_clock& c, std::function<void()> f) : clock(c), fire(std::move(f)) { clock.timers_.insert(this); }
        ~timer() override { clock.timers_.erase(this); }
        void start(int interval_ms, bool once_only) override
        {
            interval = interval_ms;
            once = once_only;
            due = clock.now + interval_ms;
        }
        void stop() override { due = -1; }
        bool active() const override { return due >= 0; }

        fake_clock& clock;
        std::function<void()> fire;
        int interval = 0;
        bool once = false;
        std::int64_t due = -1;
    };
    std::set<timer*> timers_;

public:
    std::int64_t now = 0;

    std::unique_ptr<clock_timer> make_timer(std::function<void()> fire) override
    {
        return std::make_unique<timer>(*this, std::move(fire));
    }
    void advance(std::int64_t ms)
    {
        for (; ms > 0; --ms) {
            ++now;
            for (timer* t : timers_)
                if (t->due == now) {
                    t->due = t->once ? -1 : now + t->interval;
                    t->fire();
                }
        }
    }
    // What would wake the program up.
    int running_timers() const
    {
        return static_cast<int>(std::count_if(timers_.begin(), timers_.end(), [](const timer* t) { return t->active(); }));
    }
};

// Clips of `length` frames, heard at one frame a millisecond of the clock.
class fake_output final : public sound_output {
public:
    explicit fake_output(const fake_clock& clock) : clock_(clock) {}

    std::int64_t length = 300;
    error_kind start_failure = error_kind::none;
    bool opens_before_failing = false;
    std::set<device_id> failing_streams; // end in a decoding failure
    struct stream {
        std::int64_t from, started;
    };
    std::map<device_id, stream> streams;
    std::vector<std::int64_t> start_frames;
    bool open = false;
    int opens = 0, closes = 0;
    bool closed_while_streaming = false;

    error_kind start(device_id id, const QString&, std::int64_t frame) override
    {
        if (start_failure != error_kind::none && !opens_before_failing)
            return start_failure;
        opens += !open;
        open = true;
        if (start_failure != error_kind::none)
            return start_failure;
        streams[id] = {frame, clock_.now};
        start_frames.push_back(frame);
        return error_kind::none;
    }
    std::int64_t position(device_id id) override
    {
        const stream& s = streams.at(id);
        return std::min(length, s.from + clock_.now - s.started);
    }
    progress keep_playing(device_id id) override
    {
        if (position(id) < length)
            return progress::playing;
        return failing_streams.contains(id) ? progress::failed : progress::ended;
    }
    void stop(device_id id) override { streams.erase(id); }
    bool output_open() const override { return open; }
    void close_output() override
    {
        closed_while_streaming = closed_while_streaming || !streams.empty();
        open = false;
        ++closes;
    }

private:
    const fake_clock& clock_;
};

using notices = std::vector<notice_recorder::entry>;

} // namespace

class test_platform_device_rules : public QObject {
    Q_OBJECT

    fake_clock clock_;
    std::unique_ptr<fake_output> output_;
    notice_recorder receiver_;
    std::unique_ptr<device_rules> rules_;

    device_id add() { return rules_->add(QStringLiteral("clip.mp3"), &receiver_, 1000, output_->length); }
    mode mode_of(device_id id)
    {
        mode m = mode::stopped;
        rules_->mode_of(id, m);
        return m;
    }
    std::uint32_t position(device_id id)
    {
        std::uint32_t ms = 0;
        rules_->position_ms(id, ms);
        return ms;
    }

private slots:
    void init()
    {
        rules_.reset();
        clock_.now = 0;
        output_ = std::make_unique<fake_output>(clock_);
        receiver_.take();
        rules_ = std::make_unique<device_rules>(*output_, clock_);
    }

    void a_playback_runs_to_its_end_then_the_output_closes_after_the_idle_delay()
    {
        const device_id id = add();
        std::uint32_t length = 0;
        QCOMPARE(rules_->length_ms(id, length), error_kind::none);
        QCOMPARE(length, 300u);
        QVERIFY(!output_->open); // adding a device opens nothing
        QCOMPARE(clock_.running_timers(), 0);

        QCOMPARE(rules_->play(id), error_kind::none);
        QCOMPARE(mode_of(id), mode::playing);
        QVERIFY(output_->open);
        clock_.advance(250);
        QCOMPARE(position(id), 250u);
        QVERIFY(receiver_.take().empty());

        clock_.advance(device_rules::refill_interval_ms); // the refill that finds the end
        QCOMPARE(receiver_.take(), (notices{{notice::successful, id}}));
        QCOMPARE(mode_of(id), mode::stopped);
        QCOMPARE(position(id), 300u);
        QVERIFY(output_->streams.empty());

        // Ended at 300: the output closes idle_close_ms later, and then
        // nothing is left to wake the program.
        clock_.advance(300 + device_rules::idle_close_ms - 1 - clock_.now);
        QVERIFY(output_->open);
        QCOMPARE(clock_.running_timers(), 1);
        clock_.advance(1);
        QVERIFY(!output_->open);
        QCOMPARE(clock_.running_timers(), 0);

        // From the end, Play plays nothing, ends at once and opens nothing.
        QCOMPARE(rules_->play(id), error_kind::none);
        QCOMPARE(receiver_.take(), (notices{{notice::successful, id}}));
        QCOMPARE(output_->opens, 1);
        QCOMPARE(clock_.running_timers(), 0);
        QVERIFY(!output_->closed_while_streaming);
    }

    void pause_keeps_the_position_and_resume_or_play_go_on_from_it()
    {
        const device_id id = add();
        QCOMPARE(rules_->play(id), error_kind::none);
        clock_.advance(80);
        QCOMPARE(rules_->pause(id), error_kind::none);
        QCOMPARE(mode_of(id), mode::paused);
        QCOMPARE(receiver_.take(), (notices{{notice::aborted, id}}));
        clock_.advance(device_rules::idle_close_ms); // the output closes while paused
        QVERIFY(!output_->open);
        QCOMPARE(position(id), 80u);
        QCOMPARE(rules_->pause(id), error_kind::none); // not playing: nothing happens
        QVERIFY(receiver_.take().empty());

        QCOMPARE(rules_->resume(id), error_kind::none);
        QVERIFY(output_->open);
        clock_.advance(40);
        QCOMPARE(rules_->pause(id), error_kind::none);
        QCOMPARE(position(id), 120u);
        QCOMPARE(rules_->play(id), error_kind::none); // a paused device goes on
        QCOMPARE(output_->start_frames, (std::vector<std::int64_t>{0, 80, 120}));
        clock_.advance(200);
        QCOMPARE(receiver_.take(), (notices{{notice::aborted, id}, {notice::successful, id}}));
        QCOMPARE(position(id), 300u);
        QCOMPARE(output_->opens, 2);
    }

    void a_newer_play_supersedes_and_seek_to_start_aborts()
    {
        const device_id id = add();
        QCOMPARE(rules_->play(id), error_kind::none);
        clock_.advance(100);
        QCOMPARE(rules_->play(id), error_kind::none);
        QCOMPARE(rules_->resume(id), error_kind::none);
        QCOMPARE(receiver_.take(), (notices{{notice::superseded, id}, {notice::superseded, id}}));
        QCOMPARE(mode_of(id), mode::playing);
        QCOMPARE(position(id), 100u); // the playback goes on undisturbed
        QCOMPARE(output_->start_frames.size(), std::size_t(1));

        clock_.advance(50);
        QCOMPARE(rules_->seek_to_start(id), error_kind::none);
        QCOMPARE(receiver_.take(), (notices{{notice::aborted, id}}));
        QCOMPARE(mode_of(id), mode::stopped);
        QCOMPARE(position(id), 0u);
        QVERIFY(output_->streams.empty());
        QCOMPARE(rules_->resume(id), error_kind::not_paused);
        QCOMPARE(rules_->seek_to_start(id), error_kind::none); // no playback owed a notice
        QVERIFY(receiver_.take().empty());

        QCOMPARE(rules_->play(id), error_kind::none);
        clock_.advance(300);
        QCOMPARE(receiver_.take(), (notices{{notice::successful, id}}));
        QCOMPARE(output_->start_frames, (std::vector<std::int64_t>{0, 0}));
    }

    void devices_play_together_and_a_closed_one_says_nothing()
    {
        const device_id first = add(), second = add(), third = add();
        QVERIFY(first != second && second != third && first != third);
        QCOMPARE(rules_->play(first), error_kind::none);
        clock_.advance(100);
        QCOMPARE(rules_->play(second), error_kind::none);
        QCOMPARE(rules_->play(third), error_kind::none);
        QCOMPARE(output_->streams.size(), std::size_t(3));
        QCOMPARE(rules_->remove(third), error_kind::none);
        QCOMPARE(output_->streams.size(), std::size_t(2));
        QCOMPARE(rules_->play(third), error_kind::invalid_device);

        clock_.advance(200);
        QCOMPARE(receiver_.take(), (notices{{notice::successful, first}}));
        QCOMPARE(mode_of(second), mode::playing); // the other plays on, and the output with it
        clock_.advance(device_rules::idle_close_ms);
        QVERIFY(output_->open);
        QCOMPARE(receiver_.take(), (notices{{notice::successful, second}}));

        // A play within the idle delay (ended at 400, now 100 ms before the
        // output would close) keeps the output, which then closes
        // idle_close_ms after that playback.
        QCOMPARE(rules_->seek_to_start(first), error_kind::none);
        QCOMPARE(rules_->play(first), error_kind::none);
        clock_.advance(300 + device_rules::idle_close_ms - 1);
        QVERIFY(output_->open);
        clock_.advance(1);
        QVERIFY(!output_->open);
        QCOMPARE(output_->opens, 1);
        QCOMPARE(output_->closes, 1);
        QVERIFY(!output_->closed_while_streaming);
    }

    void failures_leave_the_device_as_it_was_and_the_output_still_closes()
    {
        const device_id id = add();
        output_->start_failure = error_kind::no_output;
        QCOMPARE(rules_->play(id), error_kind::no_output);
        QCOMPARE(mode_of(id), mode::stopped);
        QCOMPARE(clock_.running_timers(), 0);

        // A stream that fails once the output is open leaves the output to the idle delay.
        output_->start_failure = error_kind::decode_failure;
        output_->opens_before_failing = true;
        QCOMPARE(rules_->play(id), error_kind::decode_failure);
        QCOMPARE(mode_of(id), mode::stopped);
        clock_.advance(device_rules::idle_close_ms);
        QVERIFY(!output_->open);
        QVERIFY(receiver_.take().empty());

        // A stream that fails while playing ends with a failure notice, at the end.
        output_->start_failure = error_kind::none;
        output_->failing_streams.insert(id);
        QCOMPARE(rules_->play(id), error_kind::none);
        clock_.advance(300);
        QCOMPARE(receiver_.take(), (notices{{notice::failure, id}}));
        QCOMPARE(mode_of(id), mode::stopped);
        QCOMPARE(position(id), 300u);
    }
};

QTEST_GUILESS_MAIN(test_platform_device_rules)
#include "test_platform_device_rules.moc"
