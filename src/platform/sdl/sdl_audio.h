// Music and wave sounds through SDL_mixer: MIDI is synthesized by FluidSynth with a General MIDI
// soundfont. Without an audio device or a soundfont the game goes on silently; the reason is said
// once on stderr.
#pragma once
#include <cstdint>
#include <string>

#include "platform/host.h"

struct _Mix_Music;
struct Mix_Chunk;

namespace platform {

class SdlAudio {
public:
    SdlAudio() = default;
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // The soundfont to use instead of the installed ones; before Open.
    void SetSoundFont(const std::string& path) { soundFont_ = path; }
    // Opens the audio device (SDL's audio subsystem must not be started by anyone else). False when
    // there is none; everything below is then silent.
    bool Open();
    void Close();
    bool IsOpen() const { return open_; }
    // The soundfont in use (empty when none was found).
    const std::string& SoundFont() const { return usedFont_; }

    bool MusicOpen(const std::string& nativePath);
    void MusicPlay();
    void MusicStop();
    void MusicClose();
    MusicMode MusicStatus();
    void SoundPlay(const std::string& nativePath);

    // Milliseconds of the open piece's sequence (-1 unknown: the synthesizer's own end is used).
    double MusicLengthMs() const { return lengthMs_; }

private:
    std::string soundFont_;
    std::string usedFont_;
    bool open_ = false;
    bool subsystem_ = false;
    bool mixInit_ = false;
    _Mix_Music* music_ = nullptr;
    Mix_Chunk* chunk_ = nullptr;
    double lengthMs_ = -1;
    bool playing_ = false;        // MusicPlay was the last command
    std::uint32_t playStart_ = 0;  // SDL ticks at MusicPlay
};

}  // namespace platform
