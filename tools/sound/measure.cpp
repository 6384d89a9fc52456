#include "tools/sound/measure.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace sound {

namespace {

constexpr double digital_silence_dbfs = -120.0;
constexpr double lowest_pitch = 60.0, highest_pitch = 450.0;
// A frame is voiced when its signal repeats this well at the pitch period.
constexpr double voicing = 0.6;

long frame_length(long rate)
{
    return std::lround(static_cast<double>(rate) * frame_seconds);
}

double dbfs(double power)
{
    return power > 0 ? std::max(10.0 * std::log10(power), digital_silence_dbfs) : digital_silence_dbfs;
}

double mean_power(std::span<const float> samples)
{
    if (samples.empty())
        return 0;
    double sum = 0;
    for (const float x : samples)
        sum += static_cast<double>(x) * x;
    return sum / static_cast<double>(samples.size());
}

// The signal at half the rate, through a [1 2 1] low-pass first: a voice's
// pitch needs no more, and the search costs a quarter.
std::vector<float> half_rate(std::span<const float> samples)
{
    std::vector<float> half(samples.size() / 2);
    for (size_t i = 0; i < half.size(); ++i) {
        const float before = 2 * i > 0 ? samples[2 * i - 1] : 0.0f;
        half[i] = 0.25f * before + 0.5f * samples[2 * i] + 0.25f * samples[2 * i + 1];
    }
    return half;
}

// The period of the `window` samples at `x` in samples (fractional), 0 if
// they do not repeat at any lag from `min_lag` to `max_lag`.
double period_of(const float* x, long window, long min_lag, long max_lag)
{
    // score[lag]: normalised correlation of the window with itself `lag` later.
    std::vector<double> score(static_cast<size_t>(max_lag + 2), 0.0);
    double head = 0, tail = 0;
    for (long i = 0; i < window; ++i) {
        head += static_cast<double>(x[i]) * x[i];
        tail += static_cast<double>(x[i + min_lag - 1]) * x[i + min_lag - 1];
    }
    double best = 0;
    for (long lag = min_lag - 1; lag <= max_lag + 1; ++lag) {
        float cross = 0;
        for (long i = 0; i < window; ++i)
            cross += x[i] * x[i + lag];
        const double r = head > 0 && tail > 0 ? cross / std::sqrt(head * tail) : 0;
        score[static_cast<size_t>(std::min(lag, max_lag + 1))] = r;
        if (lag >= min_lag && lag <= max_lag)
            best = std::max(best, r);
        tail += static_cast<double>(x[lag + window]) * x[lag + window] - static_cast<double>(x[lag]) * x[lag];
    }
    if (best < voicing)
        return 0;
    // The shortest lag that repeats nearly as well as the best: a period's
    // multiples repeat as well as the period itself.
    for (long lag = min_lag; lag <= max_lag; ++lag) {
        const double r = score[static_cast<size_t>(lag)];
        const double left = score[static_cast<size_t>(lag - 1)], right = score[static_cast<size_t>(lag + 1)];
        if (r < 0.9 * best || r < left || r < right)
            continue;
        const double bend = left - 2 * r + right;
        return static_cast<double>(lag) + (bend < 0 ? 0.5 * (left - right) / bend : 0.0);
    }
    return 0;
}

} // namespace

std::vector<double> frame_levels(std::span<const float> samples, long rate)
{
    const auto length = static_cast<size_t>(frame_length(rate));
    std::vector<double> levels;
    for (size_t at = 0; at < samples.size(); at += length)
        levels.push_back(dbfs(mean_power(samples.subspan(at, std::min(length, samples.size() - at)))));
    return levels;
}

std::vector<double> pitch_track(std::span<const float> samples, long rate)
{
    const std::vector<double> levels = frame_levels(samples, rate);
    const std::vector<float> half = half_rate(samples);
    const double half_rate_hz = static_cast<double>(rate) / 2;
    const long length = frame_length(rate);
    const auto min_lag = static_cast<long>(std::floor(half_rate_hz / highest_pitch));
    const auto max_lag = static_cast<long>(std::ceil(half_rate_hz / lowest_pitch));
    const long window = std::lround(0.03 * half_rate_hz); // 30 ms, centred on the frame
    std::vector<double> pitch(levels.size(), 0.0);
    for (size_t frame = 0; frame < levels.size(); ++frame) {
        const long start = (static_cast<long>(frame) * length + length / 2) / 2 - window / 2;
        if (levels[frame] < speech_floor_dbfs || start < 0
            || start + window + max_lag + 2 > static_cast<long>(half.size()))
            continue;
        const double period = period_of(half.data() + start, window, min_lag, max_lag);
        pitch[frame] = period > 0 ? half_rate_hz / period : 0;
    }
    // A lone frame off by an octave among its neighbours is taken for what they say.
    std::vector<double> smooth = pitch;
    for (size_t i = 1; i + 1 < pitch.size(); ++i) {
        if (pitch[i - 1] > 0 && pitch[i] > 0 && pitch[i + 1] > 0) {
            double three[] = {pitch[i - 1], pitch[i], pitch[i + 1]};
            std::sort(std::begin(three), std::end(three));
            smooth[i] = three[1];
        }
    }
    return smooth;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double at = p * static_cast<double>(values.size() - 1);
    const auto below = static_cast<size_t>(std::floor(at));
    const size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (at - static_cast<double>(below)) * (values[above] - values[below]);
}

double speaking_seconds(std::span<const double> levels)
{
    const auto sounding = [](double level) { return level >= speech_floor_dbfs; };
    const auto first = std::find_if(levels.begin(), levels.end(), sounding);
    const auto last = std::find_if(levels.rbegin(), levels.rend(), sounding).base();
    long frames = 0, quiet = 0;
    const long pause = std::lround(pause_seconds / frame_seconds);
    for (auto it = first; it < last; ++it) {
        if (sounding(*it)) {
            frames += quiet < pause ? quiet : 0;
            quiet = 0;
            ++frames;
        } else {
            ++quiet;
        }
    }
    return static_cast<double>(frames) * frame_seconds;
}

double speech_rms_dbfs(std::span<const double> levels)
{
    double power = 0;
    long count = 0;
    for (const double level : levels) {
        if (level >= speech_floor_dbfs) {
            power += std::pow(10.0, level / 10);
            ++count;
        }
    }
    return count ? dbfs(power / static_cast<double>(count)) : digital_silence_dbfs;
}

double peak_dbfs(std::span<const float> samples)
{
    float peak = 0;
    for (const float x : samples)
        peak = std::max(peak, std::abs(x));
    return 20 * std::log10(std::max(static_cast<double>(peak), 1e-6));
}

double leading_silence(std::span<const double> levels)
{
    const auto first = std::find_if(levels.begin(), levels.end(), [](double l) { return l >= speech_floor_dbfs; });
    return static_cast<double>(first - levels.begin()) * frame_seconds;
}

ending ending_of(std::span<const float> samples, long rate, long end)
{
    const double ms = static_cast<double>(rate) / 1000;
    const auto peak = [&](double from_ms, double to_ms, long last) {
        const auto from = static_cast<size_t>(std::max(0.0, static_cast<double>(last) - from_ms * ms));
        const auto to = static_cast<size_t>(std::max(0.0, static_cast<double>(last) - to_ms * ms));
        float high = 0;
        for (size_t i = from; i < to; ++i)
            high = std::max(high, std::abs(samples[i]));
        return static_cast<double>(high);
    };
    // The last sample above the speech floor, just before the segment's end.
    const double floor = std::pow(10.0, speech_floor_dbfs / 20);
    auto last = static_cast<size_t>(std::clamp(end, 0L, static_cast<long>(samples.size())));
    while (last > 0 && std::abs(samples[last - 1]) < floor)
        --last;
    // Its last 8 ms hold the last pitch pulse of a voice cut off dead.
    const double before = peak(60, 30, static_cast<long>(last)), at_end = peak(8, 0, static_cast<long>(last));
    const auto db = [](double value) { return 20 * std::log10(std::max(value, 1e-6)); };
    return {db(at_end), db(before) - db(at_end)};
}

} // namespace sound
