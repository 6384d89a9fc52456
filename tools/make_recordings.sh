#!/bin/sh
# Speaks one speech text (made by make_speech_text from a transcript) into
# its recording:
#   make_recordings.sh CLIP.speech.txt OUTPUT.mp3
# Each line "transcript line<TAB>voice<TAB>text" is one segment, spoken by
# espeak-ng in that voice, one of the recordings' own variants in
# speech/voices/ (the man: a 67-160 Hz pitch range where espeak-ng's own
# Mandarin voice has 80-118 Hz and flat tones; the woman: the formants of
# espeak-ng's f3 with 130-400 Hz), read from a copy of espeak-ng's data made
# by speech/espeak_data.sh. The clip is spoken at exam pace: each segment
# said once at RATE and timed without its pauses, then all said again at
# the one speed that gives PACE syllables a second (--citation: each
# segment said alone at CITATION, as a teacher says a syllable on its own).
# Each segment's silences are cut off, its speech brought to one loudness,
# its start and end faded; a segment starting with "问：" is the question,
# read after a longer pause. The first speech starts LEAD after the clip's
# first sample. The segments are joined by sox
# and encoded by lame as mono MP3. The same speech text always gives the
# same bytes. Where each segment sits in the recording goes beside the
# speech text, in CLIP.times.txt: "transcript line<TAB>first sample<TAB>end sample".
set -eu

RATE=170            # espeak-ng's words per minute for the first saying
CITATION=140        # words per minute of syllables said on their own
PACE=3.9            # syllables a second while speaking, pauses left out
SAMPLE_RATE=22050   # espeak-ng's own output rate
TURN_PAUSE=0.9      # seconds of silence between two segments
QUESTION_PAUSE=1.4  # seconds of silence before the question
LEAD=0.03           # seconds of silence before the first segment
TAIL=0.1            # and after the last
FADE_IN=0.005       # seconds, against a click at a segment's start
FADE_OUT=0.04       # seconds, against a click at its end
LOUDNESS=-20        # dBFS, RMS of each segment's speech
PEAK=-2             # dBFS at most before encoding, which may overshoot a little
QUESTION_MARK='问：'
SYLLABLE='\p{Han}|[a-z]+[1-5]|\[\[[^]]*\]\]' # as tools/sound/recording.cpp counts them
TAB=$(printf '\t')

fail() {
    echo "make_recordings.sh: $*" >&2
    exit 1
}

pace=yes
if [ "${1-}" = --citation ]; then
    pace=no
    shift
fi
[ $# -eq 2 ] || fail "usage: make_recordings.sh [--citation] CLIP.speech.txt OUTPUT.mp3"
speech=$1
output=$2
times=${speech%.speech.txt}.times.txt

for tool in espeak-ng sox lame; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "$tool is not installed; it is needed to make the recordings (Debian package $tool)"
done
[ -r "$speech" ] || fail "$speech: cannot read the speech text"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sh "$(dirname "$0")/speech/espeak_data.sh" "$work" || fail "cannot gather espeak-ng's data"

silence() {
    sox -D -n -r "$SAMPLE_RATE" -c 1 -b 16 "$work/silence_$1.wav" trim 0 "$1"
}
samples() {
    soxi -s "$1"
}
# Seconds of speaking in a file, its pauses of 150 ms or more left out.
speaking() {
    sox "$1" -n silence 1 0.005 -50d -1 0.15 -50d stat 2>&1 | awk '/^Length/ { print $3 }'
}
# Segment text, voice, words per minute, file.
say() {
    espeak-ng --path="$work" -v "$2" -s "$3" -b 1 -w "$4" -- "$1"
}

for pause in "$TURN_PAUSE" "$QUESTION_PAUSE" "$LEAD" "$TAIL"; do
    silence "$pause"
done

# The segments, one a line: transcript line, voice, text.
grep -v '^#' "$speech" | grep -v '^$' > "$work/segments.txt" || fail "$speech: the speech text has no segment"

# Exam pace: every segment said once at RATE and timed, then the clip said
# at the one speed that gives PACE syllables a second.
speed=$CITATION
if [ "$pace" = yes ]; then
    count=0
    : > "$work/timed.txt"
    while IFS="$TAB" read -r line voice text; do
        count=$((count + 1))
        say "$text" "$voice" "$RATE" "$work/first.wav" ||
            fail "$speech: line $line: espeak-ng could not speak the segment"
        printf '%s %s\n' "$(printf '%s' "$text" | LC_ALL=C.UTF-8 grep -oP "$SYLLABLE" | wc -l)" \
            "$(speaking "$work/first.wav")" >> "$work/timed.txt"
    done < "$work/segments.txt"
    speed=$(awk -v rate="$RATE" -v pace="$PACE" '{ n += $1; t += $2 }
        END { s = n > 0 ? rate * pace * t / n : rate; printf "%d", (s < 100 ? 100 : (s > 350 ? 350 : s + 0.5)) }' "$work/timed.txt")
fi

# Speak every segment in order; collect the pieces to join, pauses included,
# and where each segment starts and ends.
set -- "$work/silence_$LEAD.wav"
at=$(samples "$work/silence_$LEAD.wav")
: > "$work/times.txt"
count=0
while IFS="$TAB" read -r line voice text; do
    [ -n "$voice" ] && [ -n "$text" ] || fail "$speech: line $line: a segment needs a voice and a text"
    pause=$TURN_PAUSE
    case $text in
        "$QUESTION_MARK"*) pause=$QUESTION_PAUSE ;;
    esac
    if [ "$count" -gt 0 ]; then
        set -- "$@" "$work/silence_$pause.wav"
        at=$((at + $(samples "$work/silence_$pause.wav")))
    fi
    count=$((count + 1))
    piece="$work/segment_$count.wav"
    say "$text" "$voice" "$speed" "$work/said.wav" ||
        fail "$speech: line $line: espeak-ng could not speak the segment"
    sox -D "$work/said.wav" "$work/trimmed.wav" silence 1 0.002 -60d reverse silence 1 0.002 -60d reverse
    gain=$(sox "$work/trimmed.wav" -n silence 1 0.005 -50d -1 0.15 -50d stats 2>&1 |
        awk -v loud="$LOUDNESS" -v peak="$PEAK" '
            /^RMS lev dB/ { rms = $4 } /^Pk lev dB/ { pk = $4 }
            END { g = loud - rms; if (pk + g > peak) g = peak - pk; printf "%.2f", g }')
    sox -D "$work/trimmed.wav" "$piece" gain "$gain" fade h "$FADE_IN" -0 "$FADE_OUT"
    set -- "$@" "$piece"
    length=$(samples "$piece")
    printf '%s\t%s\t%s\n' "$line" "$at" "$((at + length))" >> "$work/times.txt"
    at=$((at + length))
done < "$work/segments.txt"

[ "$count" -gt 0 ] || fail "$speech: the speech text has no segment"
set -- "$@" "$work/silence_$TAIL.wav"

sox -D "$@" -r "$SAMPLE_RATE" -c 1 -b 16 "$work/joined.wav"
lame --quiet -m m -b 56 --resample 22.05 "$work/joined.wav" "$work/out.mp3"

# Move into place only when complete, so a failed run leaves no stale output.
mkdir -p "$(dirname "$output")"
partial="$output.partial"
cp "$work/out.mp3" "$partial"
cp "$work/times.txt" "$times.partial"
mv -f "$times.partial" "$times"
mv -f "$partial" "$output"
