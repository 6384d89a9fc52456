#!/bin/sh
# Speaks one speech text (made by make_speech_text from a transcript) into
# its recording:
#   make_recordings.sh CLIP.speech.txt OUTPUT.mp3
# Each line "transcript line<TAB>voice<TAB>text" is one segment, spoken by
# espeak-ng in that voice; a segment starting with "问：" is the question,
# read after a longer pause. The segments are joined by sox and encoded by
# lame as mono MP3. The same speech text always gives the same bytes.
set -eu

RATE=135            # words per minute, unhurried for learners
SAMPLE_RATE=22050   # espeak-ng's own output rate
TURN_PAUSE=0.5      # seconds between two turns
QUESTION_PAUSE=1.0  # seconds before the question
EDGE_PAUSE=0.3      # seconds of silence at the start and the end
QUESTION_MARK='问：'
TAB=$(printf '\t')

fail() {
    echo "make_recordings.sh: $*" >&2
    exit 1
}

[ $# -eq 2 ] || fail "usage: make_recordings.sh CLIP.speech.txt OUTPUT.mp3"
speech=$1
output=$2

for tool in espeak-ng sox lame; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "$tool is not installed; it is needed to make the recordings (Debian package $tool)"
done
[ -r "$speech" ] || fail "$speech: cannot read the speech text"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

silence() {
    sox -D -n -r "$SAMPLE_RATE" -c 1 -b 16 "$work/silence_$1.wav" trim 0 "$1"
}
silence "$TURN_PAUSE"
silence "$QUESTION_PAUSE"
silence "$EDGE_PAUSE"

# Speak every segment in order; collect the pieces to join, pauses included.
set -- "$work/silence_$EDGE_PAUSE.wav"
count=0
while IFS="$TAB" read -r line voice text; do
    case $line in
        '#'*|'') continue ;;
    esac
    [ -n "$voice" ] && [ -n "$text" ] || fail "$speech: line $line: a segment needs a voice and a text"
    pause=$TURN_PAUSE
    case $text in
        "$QUESTION_MARK"*) pause=$QUESTION_PAUSE ;;
    esac
    if [ "$count" -gt 0 ]; then
        set -- "$@" "$work/silence_$pause.wav"
    fi
    count=$((count + 1))
    piece="$work/segment_$count.wav"
    espeak-ng -v "$voice" -s "$RATE" -b 1 -w "$piece" -- "$text" ||
        fail "$speech: line $line: espeak-ng could not speak the segment"
    set -- "$@" "$piece"
done < "$speech"

[ "$count" -gt 0 ] || fail "$speech: the speech text has no segment"
set -- "$@" "$work/silence_$EDGE_PAUSE.wav"

sox -D "$@" -r "$SAMPLE_RATE" -c 1 -b 16 "$work/joined.wav"
lame --quiet -m m -b 48 --resample 22.05 "$work/joined.wav" "$work/out.mp3"

# Move into place only when complete, so a failed run leaves no stale output.
mkdir -p "$(dirname "$output")"
partial="$output.partial"
cp "$work/out.mp3" "$partial"
mv -f "$partial" "$output"
