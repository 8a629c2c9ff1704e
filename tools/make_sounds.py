#!/usr/bin/env python3
"""The game's sound effects, synthesised from scratch.

Writes assets/sounds/*.wav (16-bit PCM, mono, 22050 Hz), which the build compiles
in as ":/sounds/<name>.wav". The files are committed; after changing this script,
regenerate them from the top of the repository and commit the result:

    python3 tools/make_sounds.py            # or: python3 tools/make_sounds.py OUTPUT_FOLDER

Only the standard library is used and every random draw comes from a fixed seed,
so the same script always writes the same files.

  start_bell.wav  the starter's bell: one strike, inharmonic partials, long ring
  hoofbeats.wav   one gallop stride, four hooves, 0.5 s; it loops without a seam
  crowd.wav       the stands at the finish: voices, breath and claps in two swells
  coin.wav        the pay-out: three coins clinking onto a counter
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
PEAK = 10 ** (-3 / 20)  # every file peaks at -3 dBFS
TWO_PI = 2 * math.pi


def seconds(n):
    return int(round(n * RATE))


class Biquad:
    """A second-order filter (the usual audio cookbook forms)."""

    def __init__(self, kind, frequency, q=0.707):
        w = TWO_PI * frequency / RATE
        alpha = math.sin(w) / (2 * q)
        cos_w = math.cos(w)
        if kind == "lowpass":
            b = ((1 - cos_w) / 2, 1 - cos_w, (1 - cos_w) / 2)
        elif kind == "highpass":
            b = ((1 + cos_w) / 2, -(1 + cos_w), (1 + cos_w) / 2)
        else:  # bandpass, 0 dB at the centre
            b = (alpha, 0.0, -alpha)
        a0 = 1 + alpha
        self.b = [x / a0 for x in b]
        self.a = [-2 * cos_w / a0, (1 - alpha) / a0]
        self.x1 = self.x2 = self.y1 = self.y2 = 0.0

    def run(self, samples):
        b0, b1, b2 = self.b
        a1, a2 = self.a
        x1, x2, y1, y2 = self.x1, self.x2, self.y1, self.y2
        out = []
        for x in samples:
            y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
            x2, x1, y2, y1 = x1, x, y1, y
            out.append(y)
        self.x1, self.x2, self.y1, self.y2 = x1, x2, y1, y2
        return out


def filtered(samples, *stages):
    for kind, frequency, q in stages:
        samples = Biquad(kind, frequency, q).run(samples)
    return samples


def noise(rng, count):
    return [rng.uniform(-1.0, 1.0) for _ in range(count)]


def smooth_random(rng, count, rate_hz):
    """A slowly wandering value in 0..1: random points joined by cosine curves."""
    step = max(1, int(RATE / rate_hz))
    points = [rng.random() for _ in range(count // step + 2)]
    out = []
    for i in range(count):
        k, f = divmod(i, step)
        t = (1 - math.cos(math.pi * f / step)) / 2
        out.append(points[k] * (1 - t) + points[k + 1] * t)
    return out


def fade_ends(samples, fade_in=0.002, fade_out=0.02):
    """Raised-cosine ramps, so a sound starts and stops without a click."""
    n_in, n_out = seconds(fade_in), seconds(fade_out)
    for i in range(n_in):
        samples[i] *= (1 - math.cos(math.pi * i / n_in)) / 2
    for i in range(n_out):
        samples[-1 - i] *= (1 - math.cos(math.pi * i / n_out)) / 2
    return samples


def write(folder, name, samples):
    top = max(abs(x) for x in samples)
    scale = PEAK * 32767 / top
    frames = b"".join(struct.pack("<h", int(round(x * scale))) for x in samples)
    with wave.open(os.path.join(folder, name), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)
    print(f"{name}: {len(samples) / RATE:.2f} s, {44 + len(frames)} bytes")


def start_bell():
    """A struck bell: pairs of slightly detuned inharmonic partials beat against
    each other, the high ones die first, and a short click is the clapper."""
    length = 1.8
    base = 1040.0
    # ratio to the base, detuning in Hz, loudness, share of the ring it lasts
    partials = [(0.56, 0.0, 1.0, 1.0), (0.56, 1.0, 0.67, 0.9), (0.92, 0.0, 1.0, 0.65),
                (0.92, 1.7, 1.8, 0.55), (1.19, 0.0, 2.67, 0.325), (1.7, 0.0, 1.67, 0.35),
                (2.0, 0.0, 1.46, 0.25), (2.74, 0.0, 1.33, 0.2), (3.0, 0.0, 1.33, 0.15),
                (3.76, 0.0, 1.0, 0.1), (4.07, 0.0, 1.33, 0.075)]
    count = seconds(length)
    out = [0.0] * count
    for ratio, detune, loudness, share in partials:
        frequency = base * ratio + detune
        tau = share * length / 6.9  # down by 60 dB at the end of its share
        for i in range(count):
            t = i / RATE
            out[i] += loudness * math.exp(-t / tau) * math.sin(TWO_PI * frequency * t)
    rng = random.Random(1)
    click = filtered(noise(rng, seconds(0.006)), ("highpass", 2500.0, 0.7))
    for i, x in enumerate(click):
        out[i] += 3.0 * x * (1 - i / len(click))
    return fade_ends(out, 0.001, 0.08)


def hoofbeats():
    """One stride of a gallop: the four hooves land close together, then the
    horse is in the air. Every sound wraps round the end of the buffer, so the
    last sample leads straight into the first when it loops."""
    length = seconds(0.5)
    out = [0.0] * length
    rng = random.Random(2)
    # when each hoof lands, how hard, and the pitch of its thud
    hooves = [(0.020, 0.80, 150.0), (0.098, 0.92, 138.0), (0.190, 0.86, 160.0), (0.262, 1.00, 145.0)]
    for start, weight, pitch in hooves:
        duration = seconds(0.24)
        turf = filtered(noise(rng, duration), ("highpass", 350.0, 0.7), ("lowpass", 1800.0, 0.7))
        phase = 0.0
        first = seconds(start)
        for i in range(duration):
            t = i / RATE
            attack = min(1.0, t / 0.0015)
            # the thud: a low tone that falls as the ground takes the weight
            frequency = pitch * (0.5 + 0.5 * math.exp(-t / 0.02))
            phase += TWO_PI * frequency / RATE
            thud = math.sin(phase) * math.exp(-t / 0.028)
            body = 0.6 * math.sin(TWO_PI * 62.0 * t) * math.exp(-t / 0.04)
            grit = 1.4 * turf[i] * math.exp(-t / 0.011)
            release = min(1.0, (duration - i) / seconds(0.06))  # the last of it fades to nothing
            out[(first + i) % length] += weight * attack * release * (thud + body + grit)
    return out


def crowd():
    """The stands as the horses come home: many voices shouting on an open
    vowel, the roar of breath under them and scattered clapping, rising in two
    swells and dying away."""
    length = 2.6
    count = seconds(length)
    rng = random.Random(3)
    voices = [0.0] * count
    for _ in range(28):
        pitch = rng.uniform(150.0, 360.0)
        lift = rng.uniform(1.05, 1.25)  # voices rise with the excitement
        wobble = rng.uniform(4.0, 7.0)
        level = smooth_random(rng, count, rng.uniform(2.5, 5.0))
        onset = rng.uniform(0.0, 0.5)
        phase = rng.uniform(0.0, TWO_PI)
        for i in range(count):
            t = i / RATE
            if t < onset:
                continue
            excitement = min(1.0, t / 1.4)
            frequency = pitch * (1 + (lift - 1) * excitement) * (1 + 0.015 * math.sin(TWO_PI * wobble * t))
            phase += TWO_PI * frequency / RATE
            buzz = (math.sin(phase) + 0.5 * math.sin(2 * phase) + 0.33 * math.sin(3 * phase)
                    + 0.25 * math.sin(4 * phase) + 0.2 * math.sin(5 * phase))
            gate = min(1.0, (t - onset) / 0.08)
            voices[i] += buzz * gate * level[i] ** 2
    vowel_low = filtered(voices, ("bandpass", 750.0, 1.2))
    vowel_high = filtered(voices, ("bandpass", 1200.0, 1.5))
    breath = filtered(noise(rng, count), ("highpass", 250.0, 0.7), ("lowpass", 2600.0, 0.7))
    claps = [0.0] * count
    for _ in range(220):
        at = rng.randrange(count - seconds(0.03))
        burst = filtered(noise(rng, seconds(0.03)), ("bandpass", rng.uniform(1100.0, 2200.0), 1.0))
        loud = rng.uniform(0.3, 1.0) * min(1.0, at / seconds(0.6))
        for i, x in enumerate(burst):
            claps[at + i] += loud * x * math.exp(-i / seconds(0.006))
    out = []
    for i in range(count):
        t = i / RATE
        swells = 0.45 + 0.4 * math.exp(-((t - 0.75) / 0.35) ** 2) + 0.55 * math.exp(-((t - 1.55) / 0.4) ** 2)
        dying = 1.0 if t < 1.8 else (1 + math.cos(math.pi * (t - 1.8) / (length - 1.8))) / 2
        mix = 0.012 * (vowel_low[i] + 0.7 * vowel_high[i]) + 0.25 * breath[i] + 0.9 * claps[i]
        out.append(mix * swells * dying)
    return fade_ends(out, 0.12, 0.05)


def coin():
    """Coins dropped on a counter: each clink is a few bright, quickly fading
    modes of a thin metal disc and a tick where it strikes."""
    length = 0.42
    count = seconds(length)
    out = [0.0] * count
    rng = random.Random(4)
    for start, weight, base in [(0.003, 1.0, 2050.0), (0.085, 0.7, 2320.0), (0.150, 0.45, 1930.0)]:
        first = seconds(start)
        modes = [(1.0, 1.0, 0.11), (1.59, 0.7, 0.085), (2.14, 0.55, 0.065), (2.65, 0.5, 0.05),
                 (3.16, 0.35, 0.04), (3.62, 0.25, 0.03)]
        for ratio, loudness, tau in modes:
            frequency = base * ratio * rng.uniform(0.995, 1.005)
            if frequency > RATE * 0.45:
                continue
            for i in range(count - first):
                t = i / RATE
                out[first + i] += weight * loudness * math.exp(-t / tau) * math.sin(TWO_PI * frequency * t)
        tick = filtered(noise(rng, seconds(0.004)), ("highpass", 3500.0, 0.7))
        for i, x in enumerate(tick):
            out[first + i] += 1.2 * weight * x * (1 - i / len(tick))
    return fade_ends(out, 0.001, 0.06)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "sounds")
    os.makedirs(folder, exist_ok=True)
    write(folder, "start_bell.wav", start_bell())
    write(folder, "hoofbeats.wav", hoofbeats())
    write(folder, "crowd.wav", crowd())
    write(folder, "coin.wav", coin())


if __name__ == "__main__":
    main()
