#!/usr/bin/python3
"""A small writer of Standard MIDI Files (format 1) for the demo game's music.

    from midi import Song, n
    song = Song(bpm=92)
    flute = song.track("Flute", channel=0, program=73, volume=96, pan=60)
    flute.note(0, 1.5, n("C5"), 90)          # start beat, length in beats, pitch, velocity
    song.save("game/mid/title.mid")

Times are in beats (quarter notes, floats allowed); the file uses 480 ticks per beat. Channel 9
is the General MIDI drum channel (program is ignored there). Every track ends where the song
ends (Song.length, or the last note), so a looping player restarts on the beat.
"""

import struct

PPQ = 480

_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def n(name):
    """MIDI pitch of a note name: "C4" is 60, "F#3" 54, "Bb5" 82."""
    letter = name[0].upper()
    rest = name[1:]
    shift = 0
    while rest and rest[0] in "#b":
        shift += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + _NAMES[letter] + shift


def chord(root, kind="maj"):
    """Pitches of a chord on root (a pitch or a name): maj, min, 7, maj7, min7, sus4, dim."""
    if isinstance(root, str):
        root = n(root)
    steps = {
        "maj": (0, 4, 7),
        "min": (0, 3, 7),
        "7": (0, 4, 7, 10),
        "maj7": (0, 4, 7, 11),
        "min7": (0, 3, 7, 10),
        "sus4": (0, 5, 7),
        "dim": (0, 3, 6),
    }[kind]
    return [root + s for s in steps]


def _varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


class Track:
    def __init__(self, name, channel, program, volume, pan, reverb, chorus):
        self.name = name
        self.channel = channel
        self.program = program
        self.volume = volume
        self.pan = pan
        self.reverb = reverb
        self.chorus = chorus
        self.notes = []  # (start tick, end tick, pitch, velocity)

    def note(self, start, length, pitch, velocity=80):
        """One note: start and length in beats."""
        if isinstance(pitch, str):
            pitch = n(pitch)
        if not 0 <= pitch <= 127:
            raise ValueError("pitch out of range: %r" % pitch)
        s = int(round(start * PPQ))
        e = int(round((start + length) * PPQ))
        if e <= s:
            raise ValueError("empty note at beat %r" % start)
        self.notes.append((s, e, pitch, max(1, min(127, int(velocity)))))

    def notes_at(self, start, length, pitches, velocity=80):
        for p in pitches:
            self.note(start, length, p, velocity)

    def phrase(self, start, items, velocity=80):
        """A melody: items are (pitch or None for a rest, length in beats[, velocity]).
        Returns the beat after the phrase."""
        t = start
        for item in items:
            pitch, length = item[0], item[1]
            vel = item[2] if len(item) > 2 else velocity
            if pitch is not None:
                self.note(t, length, pitch, vel)
            t += length
        return t

    def last_tick(self):
        return max((e for _, e, _, _ in self.notes), default=0)

    def _events(self, end_tick):
        ch = self.channel
        head = []
        name = self.name.encode("ascii", "replace")
        head.append((0, 0, b"\xff\x03" + _varlen(len(name)) + name))
        if ch != 9:
            head.append((0, 1, bytes([0xC0 | ch, self.program & 0x7F])))
        head.append((0, 1, bytes([0xB0 | ch, 7, self.volume & 0x7F])))
        head.append((0, 1, bytes([0xB0 | ch, 10, self.pan & 0x7F])))
        head.append((0, 1, bytes([0xB0 | ch, 91, self.reverb & 0x7F])))
        head.append((0, 1, bytes([0xB0 | ch, 93, self.chorus & 0x7F])))
        body = []
        for s, e, p, v in self.notes:
            if s >= end_tick:
                continue
            # Note-offs sort before note-ons at the same tick, so repeated notes retrigger.
            body.append((s, 3, bytes([0x90 | ch, p, v])))
            body.append((min(e, end_tick), 2, bytes([0x80 | ch, p, 64])))
        body.sort(key=lambda ev: (ev[0], ev[1], ev[2][1]))
        return head + body

    def chunk(self, end_tick):
        return _chunk(self._events(end_tick), end_tick)


class Song:
    def __init__(self, bpm=100, numerator=4, denominator=4):
        self.bpm = bpm
        self.numerator = numerator
        self.denominator = denominator
        self.tracks = []
        self.length = None  # in beats; None: the end of the last note

    def track(self, name, channel, program=0, volume=100, pan=64, reverb=40, chorus=0):
        t = Track(name, channel, program, volume, pan, reverb, chorus)
        self.tracks.append(t)
        return t

    def to_bytes(self):
        if self.length is not None:
            end = int(round(self.length * PPQ))
        else:
            end = max((t.last_tick() for t in self.tracks), default=0)
        tempo = int(round(60000000 / self.bpm))
        dd = {1: 0, 2: 1, 4: 2, 8: 3, 16: 4}[self.denominator]
        conductor = [
            (0, 0, b"\xff\x51\x03" + tempo.to_bytes(3, "big")),
            (0, 0, bytes([0xFF, 0x58, 0x04, self.numerator, dd, 24, 8])),
        ]
        out = bytearray(b"MThd" + struct.pack(">IHHH", 6, 1, len(self.tracks) + 1, PPQ))
        out += _chunk(conductor, end)
        for t in self.tracks:
            out += t.chunk(end)
        return bytes(out)

    def save(self, path):
        with open(path, "wb") as f:
            f.write(self.to_bytes())


def _chunk(events, end_tick):
    """One track chunk; events are (tick, order, bytes), sorted stably by tick and order."""
    data = bytearray()
    now = 0
    for tick, _, payload in sorted(events, key=lambda ev: (ev[0], ev[1])):
        data += _varlen(tick - now) + payload
        now = tick
    data += _varlen(end_tick - now) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def read_notes(path):
    """Reads back the notes of a file written by this module (for checks):
    a list of (track index, start tick, channel, pitch)."""
    data = open(path, "rb").read()
    if data[:4] != b"MThd":
        raise ValueError("not a MIDI file")
    ntracks = struct.unpack(">H", data[10:12])[0]
    pos = 14
    notes = []
    for ti in range(ntracks):
        if data[pos:pos + 4] != b"MTrk":
            raise ValueError("bad track chunk")
        length = struct.unpack(">I", data[pos + 4:pos + 8])[0]
        body = data[pos + 8:pos + 8 + length]
        pos += 8 + length
        i = 0
        tick = 0
        status = 0
        while i < len(body):
            delta = 0
            while True:
                b = body[i]
                i += 1
                delta = (delta << 7) | (b & 0x7F)
                if not b & 0x80:
                    break
            tick += delta
            b = body[i]
            if b == 0xFF:
                ln = body[i + 2]
                i += 3 + ln
                continue
            if b & 0x80:
                status = b
                i += 1
            kind = status & 0xF0
            if kind in (0xC0, 0xD0):
                i += 1
                continue
            d1, d2 = body[i], body[i + 1]
            i += 2
            if kind == 0x90 and d2 > 0:
                notes.append((ti, tick, status & 0x0F, d1))
    return notes
