#!/bin/sh
# Turns one transcript into its recording:
#   make_recordings.sh TRANSCRIPT.txt OUTPUT.mp3
# Each "H:" or "F:" line is one segment, spoken by espeak-ng in the man's or
# the woman's voice; a segment starting with "问：" is the question, read by
# the man after a longer pause. The segments are joined by sox and encoded
# by lame as mono MP3. The same transcript always gives the same bytes.
set -eu

MAN_VOICE=cmn
WOMAN_VOICE=cmn+f3
RATE=135            # words per minute, unhurried for learners
SAMPLE_RATE=22050   # espeak-ng's own output rate
TURN_PAUSE=0.5      # seconds between two turns
QUESTION_PAUSE=1.0  # seconds before the question
EDGE_PAUSE=0.3      # seconds of silence at the start and the end
QUESTION_MARK='问：'
BYTE_ORDER_MARK=$(printf '\357\273\277')

fail() {
    echo "make_recordings.sh: $*" >&2
    exit 1
}

[ $# -eq 2 ] || fail "usage: make_recordings.sh TRANSCRIPT.txt OUTPUT.mp3"
transcript=$1
output=$2

for tool in espeak-ng sox lame; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "$tool is not installed; it is needed to make the recordings (Debian package $tool)"
done
[ -r "$transcript" ] || fail "$transcript: cannot read the transcript"

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
number=0
while IFS= read -r line || [ -n "$line" ]; do
    number=$((number + 1))
    line=$(printf '%s' "$line" | tr -d '\r')
    [ "$number" -eq 1 ] && line=${line#"$BYTE_ORDER_MARK"}
    case $line in
        *[![:space:]]*) ;;
        *) continue ;;
    esac
    case $line in
        H:*) voice=$MAN_VOICE ;;
        F:*) voice=$WOMAN_VOICE ;;
        *) fail "$transcript:$number: a line must start with \"H:\" or \"F:\": $line" ;;
    esac
    text=$(printf '%s' "${line#?:}" | sed 's/^[[:space:]]*//; s/[[:space:]]*$//')
    [ -n "$text" ] || fail "$transcript:$number: the segment has no text"

    pause=$TURN_PAUSE
    case $text in
        "$QUESTION_MARK"*) pause=$QUESTION_PAUSE; voice=$MAN_VOICE ;;
    esac
    if [ "$count" -gt 0 ]; then
        set -- "$@" "$work/silence_$pause.wav"
    fi
    count=$((count + 1))
    piece="$work/segment_$count.wav"
    espeak-ng -v "$voice" -s "$RATE" -b 1 -w "$piece" -- "$text" ||
        fail "$transcript:$number: espeak-ng could not speak the segment"
    set -- "$@" "$piece"
done < "$transcript"

[ "$count" -gt 0 ] || fail "$transcript: the transcript has no segment"
set -- "$@" "$work/silence_$EDGE_PAUSE.wav"

sox -D "$@" -r "$SAMPLE_RATE" -c 1 -b 16 "$work/joined.wav"
lame --quiet -m m -b 48 --resample 22.05 "$work/joined.wav" "$work/out.mp3"

# Move into place only when complete, so a failed run leaves no stale output.
mkdir -p "$(dirname "$output")"
partial="$output.partial"
cp "$work/out.mp3" "$partial"
mv -f "$partial" "$output"
