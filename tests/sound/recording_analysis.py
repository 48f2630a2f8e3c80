#!/usr/bin/env python3
"""Judges a recording of the sound output against the timeline of one saver run.

    recording_analysis.py <none|mp3|wav|rest> <recording.raw> <recording start> <times file>
                          [--music-seconds S] [--streams streams file]

The recording is raw 16-bit stereo at 44100 Hz; its first sample was taken at <recording start>
(Unix seconds). The times file holds the run's steps on the same clock, one "name seconds" a line:
host_start, window_seen, escape_pressed, host_ended, and for a run that rests its music off, on,
key_1 and key_2. The streams file holds "seconds count" lines: how many of the program's audio
streams the sound server listed at that moment. Prints what it measured and exits non-zero when
the sound broke a rule.
"""

import argparse
import array
import math
import sys

RATE = 44100
CHANNELS = 2
WINDOW = 0.02  # seconds: fine enough for gap lengths, nine periods of the tone for a steady RMS
# Full scale is 32767. The tone plays at about a third of it; nothing playing is exact zeros,
# so the two bounds sit far apart and a fading edge between them is neither.
AUDIBLE_RMS = 1000.0
SILENT_RMS = 30.0
TONE_HZ = 440.0

# The rules a saver run's music keeps.
# An MP3 starts again within about a second of its end: the host looks once a second, and the
# player takes a moment to start again (measured 1.10-1.15 s). A check every two seconds gives
# gaps above 2 s, so the bound leaves room for a loaded machine without hiding that fault.
MAX_RESTART_GAP = 1.5
MAX_SILENCE_AFTER_ESCAPE = 1.0
MAX_WAVE_LOOP_GAP = 0.2  # a looping wave has no audible pause at its seam
MAX_START_AFTER_WINDOW = 1.0  # the music starts with the run, not long after the snow
PLAY_LENGTH_TOLERANCE = 0.3  # encoder padding, the player's end and window edges
QUIET_TAIL = 1.0  # seconds of the recording that must follow the run, to show it stays silent

# A run whose music rests. The falls and rises are measured between the last (first) window at
# nine tenths of the full level and silence (the first sound), so a straight fade shows as nine
# tenths of its length, give or take a window and a fade step.
FULL = 0.9
SLEEP_FALL = (0.6, 1.5)  # about a second before the device closes for display sleep
QUICK_FALL = (0.1, 0.5)  # about a quarter second at a pause and at the end of the run
RISE = (0.5, 1.6)  # about a second back to the full level
MAX_BACK_AFTER = 1.5  # from the display's return or the key to the first sound: the file reopens
# From the request to no stream of the program's left: the fall, then the player's close, which
# under Wine takes up to a second to drop its stream.
MAX_STREAM_GONE = {"off": 3.0, "key_1": 2.0}
MIN_FADE_WINDOWS = 3  # windows between full and silence: a cut has none


class Window:
    def __init__(self, start, rms, crossings):
        self.start = start
        self.end = start + WINDOW
        self.rms = rms
        self.crossings = crossings


def read_windows(path, recording_start):
    samples = array.array("h")
    with open(path, "rb") as raw:
        samples.frombytes(raw.read())
    if sys.byteorder != "little":
        samples.byteswap()
    per_window = int(RATE * WINDOW)
    frames = len(samples) // CHANNELS
    windows = []
    for first in range(0, frames - per_window + 1, per_window):
        chunk = samples[first * CHANNELS:(first + per_window) * CHANNELS]
        rms = math.sqrt(sum(value * value for value in chunk) / len(chunk))
        # The left channel from the sample before the window, so no crossing falls between two.
        left = samples[max(first - 1, 0) * CHANNELS:(first + per_window) * CHANNELS:CHANNELS]
        crossings = sum(1 for a, b in zip(left, left[1:]) if (a < 0) != (b < 0))
        windows.append(Window(recording_start + first / RATE, rms, crossings))
    return windows, frames / RATE


def read_times(path):
    times = {}
    with open(path) as text:
        for line in text:
            name, value = line.split()
            times[name] = float(value)
    return times


def runs(windows, predicate):
    """Maximal runs of consecutive windows for which predicate holds, as (start, end) seconds."""
    found = []
    begin = None
    for window in windows:
        if predicate(window):
            if begin is None:
                begin = window.start
            last_end = window.end
        elif begin is not None:
            found.append((begin, last_end))
            begin = None
    if begin is not None:
        found.append((begin, last_end))
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("music", choices=["none", "mp3", "wav", "rest"])
    parser.add_argument("recording")
    parser.add_argument("recording_start", type=float)
    parser.add_argument("times")
    parser.add_argument("--music-seconds", type=float, default=0.0)
    parser.add_argument("--streams")
    args = parser.parse_args()

    times = read_times(args.times)
    windows, length = read_windows(args.recording, args.recording_start)
    host_start = times["host_start"]
    escape = times["escape_pressed"]
    recording_end = args.recording_start + length
    failures = []

    def check(condition, message):
        if not condition:
            failures.append(message)

    def rel(moment):
        return moment - host_start

    print(f"[{args.music}] recording {length:.2f} s from {rel(args.recording_start):+.2f} s; "
          f"renderer window at {rel(times['window_seen']):.2f} s, Escape at {rel(escape):.2f} s, "
          f"host ended at {rel(times['host_ended']):.2f} s (seconds from the host's start)")
    check(args.recording_start <= host_start, "the recording began after the host started")
    check(recording_end >= times["host_ended"] + QUIET_TAIL,
          "the recording ended too soon after the host to judge the silence")
    if failures:
        report(failures)

    in_run = [w for w in windows if w.start >= host_start]
    sounding = runs(in_run, lambda w: w.rms >= SILENT_RMS)
    loud = [w for w in in_run if w.rms >= AUDIBLE_RMS]
    peak = max((w.rms for w in in_run), default=0.0)

    if args.music == "none":
        print(f"[none] peak RMS {peak:.1f} over {len(in_run)} windows of {WINDOW * 1000:.0f} ms")
        check(not sounding, f"sound without music: {len(sounding)} stretches, peak RMS {peak:.1f}")
        report(failures)

    check(loud, f"nothing audible during the run (peak RMS {peak:.1f})")
    if failures:
        report(failures)

    levels = sorted(w.rms for w in loud)
    median = levels[len(levels) // 2]
    # The pitch from windows at the tone's full level: a window the tone only half fills has
    # too few crossings.
    steady = [w for w in loud if abs(w.rms - median) <= 0.1 * median]
    frequency = sum(w.crossings for w in steady) / 2 / (WINDOW * len(steady))
    print(f"[{args.music}] audible RMS median {median:.0f} "
          f"(min {levels[0]:.0f}, max {levels[-1]:.0f}), tone about {frequency:.0f} Hz")
    check(abs(frequency - TONE_HZ) < 15, f"the sound is not the music's tone ({frequency:.0f} Hz)")

    if args.music == "rest":
        judge_rest(windows, times, read_streams(args.streams), median, check, rel)
        report(failures)

    onset = sounding[0][0]
    print(f"[{args.music}] first sound {rel(onset):.2f} s after the host's start, "
          f"{onset - times['window_seen']:+.2f} s from the renderer window")
    check(onset <= times["window_seen"] + MAX_START_AFTER_WINDOW,
          "the music started late after the renderer window")

    last_sound = sounding[-1][1]
    to_silence = last_sound - escape
    print(f"[{args.music}] last sound {to_silence:+.2f} s from Escape "
          f"({last_sound - times['host_ended']:+.2f} s from the host's end), "
          f"then {recording_end - last_sound:.2f} s of silence recorded")
    check(to_silence <= MAX_SILENCE_AFTER_ESCAPE,
          f"still sounding {to_silence:.2f} s after Escape")

    gaps = [(a[1], b[0]) for a, b in zip(sounding, sounding[1:]) if a[1] < escape]
    gap_lengths = [end - begin for begin, end in gaps]
    plays = [(begin, end) for begin, end in sounding if begin < escape]
    print(f"[{args.music}] sound before Escape in {len(plays)} stretch(es) of "
          + ", ".join(f"{end - begin:.2f}" for begin, end in plays) + " s; gaps between them: "
          + (", ".join(f"{gap:.2f} s" for gap in gap_lengths) or "none"))

    if args.music == "mp3":
        check(len(plays) >= 2, "the MP3 never started again after its end")
        for gap in gap_lengths:
            check(gap <= MAX_RESTART_GAP, f"the MP3 restarted {gap:.2f} s after its end")
        # Every play but the one Escape ended runs the whole file: each restart is from the top.
        for begin, end in plays[:-1]:
            check(abs((end - begin) - args.music_seconds) <= PLAY_LENGTH_TOLERANCE,
                  f"a play lasted {end - begin:.2f} s, not the file's {args.music_seconds:.2f} s")
    else:
        for gap in gap_lengths:
            check(gap <= MAX_WAVE_LOOP_GAP, f"the looping wave paused {gap:.2f} s")
        heard = escape - onset
        check(heard >= 2 * args.music_seconds,
              f"only {heard:.2f} s of sound before Escape: too short to show a loop")
        check(plays and plays[-1][1] >= escape,
              "the looping wave ended before Escape")
    report(failures)


def read_streams(path):
    streams = []
    with open(path) as text:
        for line in text:
            moment, count = line.split()
            streams.append((float(moment), int(count)))
    return streams


def judge_rest(windows, times, streams, full_rms, check, rel):
    """The music falls and closes its stream when the display goes off and at the first key, comes
    back rising at the display's return and the second key, and falls before silence at Escape."""
    def sounds(w):
        return w.rms >= SILENT_RMS

    def between(begin, end):
        return [w for w in windows if begin <= w.start and w.end <= end]

    def fall(event, until, limits, what):
        span = between(times[event], until)
        heard = [w for w in span if sounds(w)]
        check(heard, f"{what}: nothing heard after the request")
        if not heard:
            return None
        silent_at = heard[-1].end
        full = [w for w in heard if w.rms >= FULL * full_rms]
        fall_from = full[-1].end if full else times[event]
        fading = [w for w in span if fall_from <= w.start and w.end <= silent_at]
        length = silent_at - fall_from
        print(f"[rest] {what}: silent {silent_at - times[event]:.2f} s after the request, "
              f"falling over {length:.2f} s in {len(fading)} windows")
        check(limits[0] <= length <= limits[1],
              f"{what}: fell over {length:.2f} s, not within {limits[0]}-{limits[1]} s")
        check(len(fading) >= MIN_FADE_WINDOWS, f"{what}: cut off, not faded")
        return silent_at

    def rise(event, until, what):
        heard = [w for w in between(times[event], until) if sounds(w)]
        check(heard, f"{what}: the music did not come back")
        if not heard:
            return
        onset = heard[0].start
        full = [w for w in heard if w.rms >= FULL * full_rms]
        check(full, f"{what}: the music never came back to its level")
        if not full:
            return
        length = full[0].start - onset
        print(f"[rest] {what}: back {onset - times[event]:.2f} s after the request, "
              f"rising over {length:.2f} s")
        check(onset - times[event] <= MAX_BACK_AFTER, f"{what}: came back late")
        check(RISE[0] <= length <= RISE[1],
              f"{what}: rose over {length:.2f} s, not within {RISE[0]}-{RISE[1]} s")

    def rested(event, silent_at, until, what):
        if silent_at is None:
            return
        noise = [w for w in between(silent_at, until) if sounds(w)]
        check(not noise, f"{what}: sound while resting ({len(noise)} windows)")
        after = [(t, n) for t, n in streams if times[event] <= t <= until]
        gone = None
        for t, n in after:
            if n == 0 and gone is None:
                gone = t
            elif n != 0:
                gone = None
        check(gone is not None, f"{what}: a stream stayed open while resting")
        if gone is not None:
            print(f"[rest] {what}: no stream open {gone - times[event]:.2f} s after the request")
            check(gone - times[event] <= MAX_STREAM_GONE[event],
                  f"{what}: the stream closed {gone - times[event]:.2f} s after the request")

    playing = [n for t, n in streams if times["window_seen"] + 1.0 <= t <= times["off"]]
    check(playing and min(playing) >= 1, "no stream listed while the music played")

    silent_at = fall("off", times["on"], SLEEP_FALL, "display off")
    rested("off", silent_at, times["on"], "display off")
    rise("on", times["key_1"], "display on")
    silent_at = fall("key_1", times["key_2"], QUICK_FALL, "Play/Pause")
    rested("key_1", silent_at, times["key_2"], "Play/Pause")
    rise("key_2", times["escape_pressed"], "Play/Pause again")
    fall("escape_pressed", times["host_ended"] + QUIET_TAIL, QUICK_FALL, "Escape")
    print(f"[rest] host ended {rel(times['host_ended']) - rel(times['escape_pressed']):.2f} s "
          "after Escape")


def report(failures):
    for failure in failures:
        print(f"FAIL: {failure}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
