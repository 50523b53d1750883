#!/bin/sh
# Regenerates every sound of the game into assets/sounds/ from Debian's
# espeak-ng (spoken clips) and sox (tones and noises). The .wav files are
# committed, so building the game never needs either tool.
#
# Output: mono, 22050 Hz, 16-bit PCM, short. sox runs with -R and without
# dither so that a rerun gives the same bytes.
set -eu

command -v sox >/dev/null || { echo "sox is missing (apt-get install sox)" >&2; exit 1; }
command -v espeak-ng >/dev/null || { echo "espeak-ng is missing (apt-get install espeak-ng)" >&2; exit 1; }

out=$(cd "$(dirname "$0")" && pwd)/sounds
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

sx() { sox -R -D -V1 "$@"; }
fmt="-r 22050 -c 1 -b 16"

# A plucked, bell-like note: tone NAME FREQ LENGTH [LEVEL].
note() {
    sx -n $fmt "$tmp/$1.wav" synth "$3" pluck "$2" synth "$3" sine mix "$(( $2 * 2 ))" \
        fade l 0.003 "$3" "$(awk "BEGIN { print $3 * 0.8 }")" vol "${4:-0.8}"
}

# Joins parts one after another: chain OUT PART...
chain() {
    o=$1; shift
    set -- $(for p in "$@"; do echo "$tmp/$p.wav"; done)
    sx "$@" "$tmp/$o.wav"
}

# Writes the final asset: level-normalised, trimmed of silence, short fade out.
finish() {
    sx "$tmp/$1.wav" $fmt "$out/$1.wav" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% \
        fade t 0.02 reverse gain -n "${2:--4}"
}

# Speech: speak NAME VOICE PITCH SPEED TEXT [extra sox effects...]
speak() {
    name=$1 voice=$2 pitch=$3 speed=$4 text=$5; shift 5
    espeak-ng -v "$voice" -p "$pitch" -s "$speed" -w "$tmp/$name.raw.wav" "$text"
    sx "$tmp/$name.raw.wav" $fmt "$tmp/$name.wav" "$@"
}

# --- Event sounds -----------------------------------------------------------

# A card tapped: a very short high tick.
sx -n $fmt "$tmp/clickcard.wav" synth 0.035 pluck 2200 fade l 0 0.035 0.03 vol 0.7

# A card slid onto the pile / off the deck: a band of noise sweeping.
sx -n $fmt "$tmp/discard.wav" synth 0.18 pinknoise sinc 1200-4000 fade q 0.01 0.18 0.12
sx -n $fmt "$tmp/draw.wav" synth 0.22 pinknoise sinc 800-3000 fade q 0.08 0.22 0.08

# Two-note door chime for a player arriving.
note e1 659 0.35; note e2 523 0.6; chain entered e1 e2

# Quick rising pair for a hit on a group.
note h1 784 0.09; note h2 1175 0.3; chain hitset h1 h2

# A low, soft buzz for a refused play.
sx -n $fmt "$tmp/invalid.wav" synth 0.28 square 140 synth 0.28 sine amod 30 lowpass 900 fade q 0.01 0.28 0.06 vol 0.5

# Skip card: a falling blip.
sx -n $fmt "$tmp/skip.wav" synth 0.25 sine 900-300 fade q 0.01 0.25 0.1 vol 0.6

# Stage laid: a rising major arpeggio.
note s1 523 0.1; note s2 659 0.1; note s3 784 0.45; chain stage s1 s2 s3

# Own turn: one clear bell (classic) or a soft rising third (new).
note turn 988 0.7
note t1 587 0.14; note t2 740 0.5; chain turnnew t1 t2

# Round over: a falling three-note figure.
note r1 784 0.14; note r2 659 0.14; note r3 523 0.6; chain endround r1 r2 r3

# Game won: a short fanfare ending on a held chord.
note w1 523 0.12; note w2 659 0.12; note w3 784 0.12
note w4 1047 0.9; note w5 1319 0.9; note w6 784 0.9
sx -m "$tmp/w4.wav" "$tmp/w5.wav" "$tmp/w6.wav" "$tmp/wchord.wav"
chain winner w1 w2 w3 wchord

for s in clickcard discard draw entered hitset invalid skip stage turn turnnew endround winner; do
    finish $s -6
done

# --- Chatter sounds (the sound menu) ----------------------------------------

speak wave1 en-us+m3 30 150 "D'oh!"
# Cough: two short throaty bursts of noise.
sx -n $fmt "$tmp/c1.wav" synth 0.16 brownnoise synth 0.16 sawtooth amod 140 lowpass 1500 fade q 0.005 0.16 0.1
sx -n $fmt "$tmp/c0.wav" trim 0 0.08
chain wave2 c1 c0 c1
speak wave3 en-us 55 160 "Hello!"
speak wave4 en-us 50 160 "Thank you!"
speak wave5 en-us 45 165 "Where have you been?"
# Snoring: slow swells of low, rumbling noise.
sx -n $fmt "$tmp/sn.wav" synth 1.1 brownnoise synth 1.1 sawtooth amod 55 lowpass 700 fade h 0.5 1.1 0.5
sx -n $fmt "$tmp/sn0.wav" trim 0 0.25
chain wave6 sn sn0 sn
speak wave7 en-us+f2 70 190 "Ah... ah... choo!"
speak wave8 en-us 40 140 "Sorry."
speak wave9 en-us 55 150 "Welcome!"
speak wave10 en-us+m3 70 170 "Yee haa!"
speak wave11 en-us+f3 80 170 "Yippee!"
speak wave12 en-us 35 130 "Oh no!"
# Applause: several layers of noise bursts at different clap rates.
for r in 9 11 13 17; do
    sx -n $fmt "$tmp/ap$r.wav" synth 2.0 whitenoise synth 2.0 square amod "$r" 12 bandpass 1500 1200 vol 0.3
done
sx -m "$tmp/ap9.wav" "$tmp/ap11.wav" "$tmp/ap13.wav" "$tmp/ap17.wav" "$tmp/wave13.wav" fade q 0.2 2.0 0.7
# Honk: a bright reed-like pair of tones.
sx -n $fmt "$tmp/hk.wav" synth 0.35 sawtooth 349 synth 0.35 sawtooth mix 440 overdrive 10 lowpass 2500 fade q 0.02 0.35 0.05
sx -n $fmt "$tmp/hk0.wav" trim 0 0.08
chain wave14 hk hk0 hk
speak wave15 en-us 60 90 "Ooooh!"
# Razzberry: a buzzing, flapping low sawtooth.
sx -n $fmt "$tmp/wave16.wav" synth 0.9 sawtooth 75 synth 0.9 sine amod 23 synth 0.9 brownnoise mix lowpass 1800 fade q 0.03 0.9 0.2 vol 0.8
speak cheer en-us+m1 60 160 "Hooray!"
sx -n $fmt "$tmp/crowd.wav" synth 1.2 pinknoise bandpass 1000 800 fade q 0.2 1.2 0.5 vol 0.15
sx -m "$tmp/cheer.wav" "$tmp/crowd.wav" "$tmp/wave17.wav"
speak wave18 en-us+f4 85 200 "Ha ha ha ha ha!"
speak wave19 en-us+m3 25 180 "Ho ho ho ho!"
speak wave20 en-us+f1 60 100 "Boo hoo hoo hoo." tremolo 6 40

i=1
while [ $i -le 20 ]; do
    finish wave$i -3
    i=$((i + 1))
done

ls -l "$out"
