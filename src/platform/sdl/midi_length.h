// The playing time of a Standard MIDI File's sequence: when its last track ends. The synthesizer
// keeps reporting a piece as playing until its last note has died away, seconds later; the music
// loop restarts pieces at the end of the sequence itself, as a sequencer device reports it.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

namespace midi_detail {

struct Reader {
    std::string_view d;
    std::size_t p = 0;
    bool ok = true;
    bool AtEnd() const { return p >= d.size(); }
    std::uint32_t Byte() {
        if (p >= d.size()) {
            ok = false;
            return 0;
        }
        return static_cast<std::uint8_t>(d[p++]);
    }
    std::uint32_t Be(int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | Byte();
        return v;
    }
    // Variable-length quantity of at most four bytes.
    std::uint32_t VarLen() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint32_t b = Byte();
            v = (v << 7) | (b & 0x7F);
            if ((b & 0x80) == 0) return v;
        }
        ok = false;
        return v;
    }
    void Skip(std::uint32_t n) {
        if (n > d.size() - std::min(p, d.size())) {
            ok = false;
            p = d.size();
        } else {
            p += n;
        }
    }
};

struct Tempo {
    std::uint64_t tick;
    std::uint32_t usPerQuarter;
};

// Reads one track; returns its end tick and collects its tempo changes. A track cut short ends at
// its last complete event.
inline std::uint64_t ReadTrack(std::string_view track, std::vector<Tempo>& tempos) {
    Reader r{track};
    std::uint64_t tick = 0;
    std::uint64_t lastGood = 0;
    std::uint32_t running = 0;
    while (!r.AtEnd() && r.ok) {
        tick += r.VarLen();
        std::uint32_t status = r.Byte();
        if (!r.ok) break;
        if (status < 0x80) {
            if (running == 0) break;  // data without a status: nothing sensible follows
            status = running;
            --r.p;
        }
        if (status == 0xFF) {
            const std::uint32_t type = r.Byte();
            const std::uint32_t len = r.VarLen();
            if (type == 0x51 && len == 3) {
                const std::uint32_t us = r.Be(3);
                if (r.ok && us > 0) tempos.push_back({tick, us});
            } else {
                r.Skip(len);
            }
            if (!r.ok) break;
            lastGood = tick;
            if (type == 0x2F) break;  // end of track
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            r.Skip(r.VarLen());
            if (!r.ok) break;
            lastGood = tick;
            continue;
        }
        if (status >= 0xF1) break;  // not allowed in a file
        running = status;
        const std::uint32_t kind = status & 0xF0;
        r.Skip(kind == 0xC0 || kind == 0xD0 ? 1 : 2);
        if (!r.ok) break;
        lastGood = tick;
    }
    return lastGood;
}

}  // namespace midi_detail

// Length in milliseconds of the sequence (also inside a RIFF "RMID" wrapper); -1 when the data is
// not a MIDI file.
inline double Midi_SequenceLengthMs(std::string_view data) {
    using namespace midi_detail;
    // RIFF RMID: the MIDI file is the "data" chunk.
    if (data.size() >= 12 && data.substr(0, 4) == "RIFF" && data.substr(8, 4) == "RMID") {
        Reader r{data};
        r.p = 12;
        std::string_view inner;
        while (r.ok && r.p + 8 <= data.size()) {
            const std::string_view id = data.substr(r.p, 4);
            r.p += 4;
            std::uint32_t len = 0;
            for (int i = 0; i < 4; ++i) len |= r.Byte() << (8 * i);  // little-endian in RIFF
            len = std::min<std::uint32_t>(len, static_cast<std::uint32_t>(data.size() - r.p));
            if (id == "data") {
                inner = data.substr(r.p, len);
                break;
            }
            r.Skip(len + (len & 1));
        }
        data = inner;
    }
    if (data.size() < 14 || data.substr(0, 4) != "MThd") return -1;
    Reader r{data};
    r.p = 4;
    const std::uint32_t headerLen = r.Be(4);
    if (headerLen < 6) return -1;
    r.Be(2);  // format: every track runs from the start in all three
    r.Be(2);  // track count: the chunks themselves are counted below
    const std::uint32_t division = r.Be(2);
    r.p = 8 + headerLen;
    if (division == 0) return -1;

    std::vector<Tempo> tempos;
    std::uint64_t endTick = 0;
    while (r.ok && r.p + 8 <= data.size()) {
        const std::string_view id = data.substr(r.p, 4);
        r.p += 4;
        const std::uint32_t len = r.Be(4);
        const std::size_t avail = data.size() - r.p;
        const std::string_view body = data.substr(r.p, std::min<std::size_t>(len, avail));
        if (id == "MTrk") endTick = std::max(endTick, ReadTrack(body, tempos));
        if (len > avail) break;
        r.p += len;
    }

    if ((division & 0x8000) != 0) {
        // SMPTE time: frames per second (29 meaning 29.97) and ticks per frame.
        const int fps = -static_cast<int>(static_cast<std::int8_t>(division >> 8));
        const int perFrame = static_cast<int>(division & 0xFF);
        if (fps <= 0 || perFrame <= 0) return -1;
        const double rate = (fps == 29 ? 29.97 : fps) * perFrame;
        return static_cast<double>(endTick) * 1000.0 / rate;
    }
    // Musical time: ticks per quarter note, with the tempo map of all tracks (the tempo changes
    // of any track apply to all of them).
    std::stable_sort(tempos.begin(), tempos.end(), [](const Tempo& a, const Tempo& b) { return a.tick < b.tick; });
    const double ppq = static_cast<double>(division);
    double ms = 0;
    std::uint64_t at = 0;
    std::uint32_t us = 500000;  // 120 beats per minute until told otherwise
    for (const Tempo& t : tempos) {
        if (t.tick >= endTick) break;
        ms += static_cast<double>(t.tick - at) * us / ppq / 1000.0;
        at = t.tick;
        us = t.usPerQuarter;
    }
    ms += static_cast<double>(endTick - at) * us / ppq / 1000.0;
    return ms;
}

}  // namespace platform
