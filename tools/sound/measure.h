#pragma once
// What a listener hears in a spoken recording, measured on its samples in
// 10 ms frames: the level of each frame, the pitch of the voice, where the
// speech pauses, and how each stretch of speech ends.

#include <span>
#include <vector>

namespace sound {

inline constexpr double frame_seconds = 0.01;
// Frames quieter than this are silence.
inline constexpr double speech_floor_dbfs = -50.0;
// A silence at least this long is a pause, not part of speaking.
inline constexpr double pause_seconds = 0.15;

// RMS level of each 10 ms frame in dBFS (full scale = 1.0); -120 for digital silence.
std::vector<double> frame_levels(std::span<const float> samples, long rate);

// The pitch of each 10 ms frame in Hz (normalised autocorrelation over
// 60-450 Hz, on frames above the speech floor), 0 where no voice is heard.
std::vector<double> pitch_track(std::span<const float> samples, long rate);

inline double semitones(double from_hz, double to_hz);
// The p-th fraction (0 to 1) of the values, interpolated; 0 for none.
double percentile(std::vector<double> values, double p);

// Seconds of speaking: the frames between the first and the last sounding
// one, less every silence of a pause's length.
double speaking_seconds(std::span<const double> levels);
// RMS of the sounding frames, in dBFS.
double speech_rms_dbfs(std::span<const double> levels);
double peak_dbfs(std::span<const float> samples);
// Seconds from the start to the first sounding frame.
double leading_silence(std::span<const double> levels);

// How the sound before `end` (a sample index) dies away, from its last
// sample above the speech floor: the peak of its last 8 ms, and how far
// that lies below the peak of the 30 ms before its last 30 ms. A voice cut
// off dead ends on a whole pitch pulse, loud, and falls by little; a
// 20-40 ms fade leaves a fraction of it.
struct ending {
    double peak_dbfs = 0;
    double fall_db = 0;
};
ending ending_of(std::span<const float> samples, long rate, long end);

} // namespace sound

#include <cmath>

inline double sound::semitones(double from_hz, double to_hz)
{
    return 12.0 * std::log2(to_hz / from_hz);
}
