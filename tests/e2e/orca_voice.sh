#!/bin/sh
# The voice of the screen-reader test: appends each utterance to the speech
# log as one line. Given a speaking rate in characters a second (eSpeak NG's
# default of 175 words a minute is about 15), it also takes as long as a voice
# would, then notes when it began and ended; an utterance that the screen
# reader cuts off never gets that note, as the speech server kills the voice.
# Usage: orca_voice.sh UTTERANCE LOG [RATE]
began=$(date +%T.%N | cut -c1-12)
printf '%s\n' "$1" >>"$2"
[ -n "${3:-}" ] || exit 0
sleep "$(printf %s "$1" | wc -c | awk -v rate="$3" '{ printf "%.2f", $1 / rate }')"
printf '  (said from %s to %s)\n' "$began" "$(date +%T.%N | cut -c1-12)" >>"$2"
