// Music and wave sounds. The device and the wave channel are SDL_mixer's; MIDI music is
// synthesized by FluidSynth (loaded at run time) with a General MIDI soundfont and fed into
// SDL_mixer's music stream. One synthesizer lives for the whole run, so changing pieces costs no
// soundfont load, and every play starts its piece from the beginning.
// Without an audio device, FluidSynth or a soundfont the game goes on silently; the reason is said
// once on stderr.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/host.h"

struct Mix_Chunk;

namespace platform {

class SdlAudio {
public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // The soundfont to use instead of the installed ones; before the first piece is opened.
    void SetSoundFont(const std::string& path) { soundFont_ = path; }
    // Opens the audio device (SDL's audio subsystem must not be started by anyone else). False when
    // there is none; everything below is then silent.
    bool Open();
    void Close();
    bool IsOpen() const { return open_; }
    // The soundfont in use (empty until the first piece, or when none was found).
    const std::string& SoundFont() const { return usedFont_; }

    // MusicOpen loads a MIDI file (false when it is missing or no MIDI file, or music is off).
    bool MusicOpen(const std::string& nativePath);
    // From the beginning, also when the piece is playing or has ended.
    void MusicPlay();
    void MusicStop();
    void MusicClose();
    // Stopped from the end of the sequence on, although its last notes may still ring.
    MusicMode MusicStatus();
    void SoundPlay(const std::string& nativePath);

    // Milliseconds of the open piece's sequence (-1 when none is open).
    double MusicLengthMs() const { return lengthMs_; }
    // Milliseconds of music rendered since the last play (the piece's own clock, which is the
    // audio device's, not the wall clock).
    double MusicPositionMs() const;

    struct Synth;  // FluidSynth's side, shared with the audio thread

private:
    bool StartSynth();

    std::string soundFont_;
    std::string usedFont_;
    bool open_ = false;
    bool subsystem_ = false;
    bool synthTried_ = false;
    std::unique_ptr<Synth> synth_;
    std::string piece_;    // the open MIDI file's bytes (empty: none open)
    bool pieceOpen_ = false;
    bool playing_ = false;  // MusicPlay was the last command
    double lengthMs_ = -1;
    Mix_Chunk* chunk_ = nullptr;
};

}  // namespace platform
