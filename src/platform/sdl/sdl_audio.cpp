#include "platform/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "common/paths.h"
#include "platform/sdl/midi_length.h"

namespace platform {
namespace {

// Where Debian puts General MIDI soundfonts (fluid-soundfont-gm, and the one libfluidsynth
// always pulls in).
constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3",
    "/usr/share/sounds/sf2/default-GM.sf2",
};

constexpr int kSoundChannel = 0;

void Note(const std::string& text) { std::fprintf(stderr, "zove: %s\n", text.c_str()); }

double ReadMidiLength(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return -1;
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return Midi_SequenceLengthMs(data);
}

}  // namespace

SdlAudio::~SdlAudio() { Close(); }

bool SdlAudio::Open() {
    if (open_) return true;
    // The soundfont is handed over before the device opens: the MIDI player reads the setting then.
    usedFont_.clear();
    if (!soundFont_.empty()) {
        if (vb::Path_FileExists(soundFont_)) {
            usedFont_ = soundFont_;
        } else {
            Note("soundfont " + soundFont_ + " not found; using the installed one");
        }
    }
    for (const char* f : kSoundFonts) {
        if (!usedFont_.empty()) break;
        if (vb::Path_FileExists(f)) usedFont_ = f;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        Note(std::string("no sound: the audio system did not start (") + SDL_GetError() + "); the game runs silently");
        return false;
    }
    subsystem_ = true;
    if (!usedFont_.empty()) Mix_SetSoundFonts(usedFont_.c_str());
    const int midi = Mix_Init(MIX_INIT_MID);
    mixInit_ = true;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        Note(std::string("no sound: no audio device could be opened (") + Mix_GetError() + "); the game runs silently");
        Close();
        return false;
    }
    open_ = true;
    Mix_AllocateChannels(1);
    const char* driver = SDL_GetCurrentAudioDriver();
    if (driver != nullptr && std::string(driver) == "dummy") {
        Note("the audio driver is 'dummy': music and sounds play but nothing is heard");
    } else if ((midi & MIX_INIT_MID) == 0) {
        Note("no MIDI synthesizer available; music is silent");
    } else if (usedFont_.empty()) {
        Note("no General MIDI soundfont found (install fluid-soundfont-gm or pass --soundfont FILE); music is silent");
    }
    return true;
}

void SdlAudio::Close() {
    if (open_) {
        MusicClose();
        Mix_HaltChannel(-1);
        if (chunk_ != nullptr) Mix_FreeChunk(chunk_);
        chunk_ = nullptr;
        Mix_CloseAudio();
        open_ = false;
    }
    if (mixInit_) {
        Mix_Quit();
        mixInit_ = false;
    }
    if (subsystem_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
    }
}

bool SdlAudio::MusicOpen(const std::string& nativePath) {
    MusicClose();
    if (!open_ || !vb::Path_FileExists(nativePath)) return false;
    music_ = Mix_LoadMUS(nativePath.c_str());
    if (music_ == nullptr) return false;
    lengthMs_ = ReadMidiLength(nativePath);
    return true;
}

void SdlAudio::MusicPlay() {
    if (music_ == nullptr) return;
    if (Mix_PlayMusic(music_, 1) != 0) {
        playing_ = false;
        return;
    }
    playing_ = true;
    playStart_ = SDL_GetTicks();
}

void SdlAudio::MusicStop() {
    if (music_ == nullptr) return;
    Mix_HaltMusic();
    playing_ = false;
}

void SdlAudio::MusicClose() {
    if (music_ == nullptr) return;
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
    playing_ = false;
    lengthMs_ = -1;
}

MusicMode SdlAudio::MusicStatus() {
    if (music_ == nullptr) return MusicMode::NotOpen;
    if (!playing_) return MusicMode::Stopped;
    if (Mix_PausedMusic() != 0) return MusicMode::Paused;
    if (Mix_PlayingMusic() == 0) return MusicMode::Stopped;
    // The sequence is over although the last notes may still ring: a sequencer says "stopped" now.
    if (lengthMs_ >= 0 && static_cast<double>(SDL_GetTicks() - playStart_) >= lengthMs_) return MusicMode::Stopped;
    return MusicMode::Playing;
}

void SdlAudio::SoundPlay(const std::string& nativePath) {
    if (!open_) return;
    // A new sound cuts off the one playing, even when it cannot be played itself.
    Mix_HaltChannel(kSoundChannel);
    if (chunk_ != nullptr) Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
    if (!vb::Path_FileExists(nativePath)) return;
    chunk_ = Mix_LoadWAV(nativePath.c_str());
    if (chunk_ == nullptr) return;
    Mix_PlayChannel(kSoundChannel, chunk_, 0);
}

}  // namespace platform
