#include "platform/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>
#include <vector>

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
// FluidSynth 2 (the API used below) under its Debian library names.
constexpr const char* kFluidLibs[] = {"libfluidsynth.so.3", "libfluidsynth.so.2", "libfluidsynth.so"};

constexpr int kSoundChannel = 0;
constexpr int kFluidPlayerPlaying = 1;  // FLUID_PLAYER_PLAYING
constexpr int kFluidFailed = -1;        // FLUID_FAILED

void Note(const std::string& text) { std::fprintf(stderr, "zove: %s\n", text.c_str()); }

bool ReadFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

}  // namespace

// The FluidSynth functions, looked up in the shared library; a synthesizer and the player of the
// piece playing. The audio thread renders under the lock; the game thread swaps players under it.
struct SdlAudio::Synth {
    void* lib = nullptr;
    void* (*new_settings)() = nullptr;
    void (*delete_settings)(void*) = nullptr;
    int (*settings_setnum)(void*, const char*, double) = nullptr;
    int (*settings_setint)(void*, const char*, int) = nullptr;
    void* (*new_synth)(void*) = nullptr;
    void (*delete_synth)(void*) = nullptr;
    int (*sfload)(void*, const char*, int) = nullptr;
    int (*write_s16)(void*, int, void*, int, int, void*, int, int) = nullptr;
    int (*write_float)(void*, int, void*, int, int, void*, int, int) = nullptr;
    int (*all_notes_off)(void*, int) = nullptr;
    int (*system_reset)(void*) = nullptr;
    void* (*new_player)(void*) = nullptr;
    void (*delete_player)(void*) = nullptr;
    int (*player_add_mem)(void*, const void*, std::size_t) = nullptr;
    int (*player_play)(void*) = nullptr;
    int (*player_stop)(void*) = nullptr;
    int (*player_get_status)(void*) = nullptr;

    std::mutex lock;
    void* settings = nullptr;
    void* synth = nullptr;
    void* player = nullptr;
    int channels = 2;
    int rate = 44100;
    bool floatFormat = false;
    std::atomic<std::uint64_t> played{0};  // frames rendered since the player started
    std::vector<float> scratch;

    template <typename F>
    bool Find(F& fn, const char* name) {
        fn = reinterpret_cast<F>(SDL_LoadFunction(lib, name));
        return fn != nullptr;
    }

    bool Load() {
        for (const char* name : kFluidLibs) {
            lib = SDL_LoadObject(name);
            if (lib != nullptr) break;
        }
        if (lib == nullptr) return false;
        return Find(new_settings, "new_fluid_settings") && Find(delete_settings, "delete_fluid_settings") &&
               Find(settings_setnum, "fluid_settings_setnum") && Find(settings_setint, "fluid_settings_setint") &&
               Find(new_synth, "new_fluid_synth") && Find(delete_synth, "delete_fluid_synth") &&
               Find(sfload, "fluid_synth_sfload") && Find(write_s16, "fluid_synth_write_s16") &&
               Find(write_float, "fluid_synth_write_float") && Find(all_notes_off, "fluid_synth_all_notes_off") &&
               Find(system_reset, "fluid_synth_system_reset") && Find(new_player, "new_fluid_player") &&
               Find(delete_player, "delete_fluid_player") && Find(player_add_mem, "fluid_player_add_mem") &&
               Find(player_play, "fluid_player_play") && Find(player_stop, "fluid_player_stop") &&
               Find(player_get_status, "fluid_player_get_status");
    }

    // With the lock held.
    void DropPlayer() {
        if (player == nullptr) return;
        player_stop(player);
        delete_player(player);
        player = nullptr;
    }

    ~Synth() {
        {
            std::lock_guard<std::mutex> g(lock);
            DropPlayer();
        }
        if (synth != nullptr) delete_synth(synth);
        if (settings != nullptr) delete_settings(settings);
        if (lib != nullptr) SDL_UnloadObject(lib);
    }

    // The music stream of the mixer (audio thread): the synthesizer's output, tails of stopped
    // pieces included.
    static void Render(void* self, Uint8* stream, int len) {
        auto* s = static_cast<Synth*>(self);
        std::lock_guard<std::mutex> g(s->lock);
        const int sampleBytes = s->floatFormat ? 4 : 2;
        const int frames = len / (sampleBytes * s->channels);
        if (frames <= 0) return;
        if (s->player != nullptr) s->played += static_cast<std::uint64_t>(frames);
        if (s->channels >= 2) {
            // Left and right into the first two channels of each frame; others stay silent.
            if (s->floatFormat) {
                s->write_float(s->synth, frames, stream, 0, s->channels, stream, 1, s->channels);
            } else {
                s->write_s16(s->synth, frames, stream, 0, s->channels, stream, 1, s->channels);
            }
            return;
        }
        // Mono: both sides rendered, then averaged.
        s->scratch.resize(static_cast<std::size_t>(frames) * 2);
        float* lr = s->scratch.data();
        s->write_float(s->synth, frames, lr, 0, 2, lr, 1, 2);
        for (int i = 0; i < frames; ++i) {
            const float m = (lr[2 * i] + lr[2 * i + 1]) * 0.5f;
            if (s->floatFormat) {
                reinterpret_cast<float*>(stream)[i] = m;
            } else {
                const float c = m > 1.0f ? 1.0f : (m < -1.0f ? -1.0f : m);
                reinterpret_cast<Sint16*>(stream)[i] = static_cast<Sint16>(c * 32767.0f);
            }
        }
    }
};

SdlAudio::SdlAudio() = default;

SdlAudio::~SdlAudio() { Close(); }

bool SdlAudio::Open() {
    if (open_) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        Note(std::string("no sound: the audio system did not start (") + SDL_GetError() + "); the game runs silently");
        return false;
    }
    subsystem_ = true;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        Note(std::string("no sound: no audio device could be opened (") + Mix_GetError() + "); the game runs silently");
        Close();
        return false;
    }
    open_ = true;
    Mix_AllocateChannels(1);
    const char* driver = SDL_GetCurrentAudioDriver();
    if (driver != nullptr && std::string(driver) == "dummy") {
        Note("the audio driver is 'dummy': music and sounds play but nothing is heard");
    }
    return true;
}

bool SdlAudio::StartSynth() {
    if (synth_ != nullptr) return true;
    if (synthTried_ || !open_) return false;
    synthTried_ = true;
    if (!soundFont_.empty()) {
        if (vb::Path_NativeFileExists(soundFont_)) {
            usedFont_ = soundFont_;
        } else {
            Note("soundfont " + soundFont_ + " not found; using the installed one");
        }
    }
    for (const char* f : kSoundFonts) {
        if (!usedFont_.empty()) break;
        if (vb::Path_NativeFileExists(f)) usedFont_ = f;
    }
    if (usedFont_.empty()) {
        Note("no General MIDI soundfont found (install fluid-soundfont-gm or pass --soundfont FILE); music is silent");
        return false;
    }
    auto s = std::make_unique<Synth>();
    if (!s->Load()) {
        Note("FluidSynth (libfluidsynth3) is not available; music is silent");
        return false;
    }
    int freq = 44100, channels = 2;
    Uint16 format = AUDIO_S16SYS;
    Mix_QuerySpec(&freq, &format, &channels);
    if ((format != AUDIO_S16SYS && format != AUDIO_F32SYS) || channels < 1) {
        Note("the audio device's sample format is not supported for music; music is silent");
        return false;
    }
    s->channels = channels;
    s->rate = freq > 0 ? freq : 44100;
    s->floatFormat = format == AUDIO_F32SYS;
    s->settings = s->new_settings();
    if (s->settings == nullptr) return false;
    s->settings_setnum(s->settings, "synth.sample-rate", freq);
    s->settings_setnum(s->settings, "synth.gain", 0.6);
    // Each piece starts from a clean synthesizer, as a freshly opened sequencer does.
    s->settings_setint(s->settings, "player.reset-synth", 1);
    s->synth = s->new_synth(s->settings);
    if (s->synth == nullptr || s->sfload(s->synth, usedFont_.c_str(), 1) == kFluidFailed) {
        Note("the soundfont " + usedFont_ + " could not be loaded; music is silent");
        return false;
    }
    synth_ = std::move(s);
    Mix_HookMusic(&Synth::Render, synth_.get());
    return true;
}

void SdlAudio::Close() {
    if (open_) {
        MusicClose();
        Mix_HookMusic(nullptr, nullptr);
        Mix_HaltChannel(-1);
        if (chunk_ != nullptr) Mix_FreeChunk(chunk_);
        chunk_ = nullptr;
        Mix_CloseAudio();
        open_ = false;
    }
    synth_.reset();
    if (subsystem_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
    }
}

bool SdlAudio::MusicOpen(const std::string& nativePath) {
    MusicClose();
    if (!open_ || !vb::Path_NativeFileExists(nativePath)) return false;
    std::string data;
    if (!ReadFile(nativePath, data)) return false;
    const double length = Midi_SequenceLengthMs(data);
    if (length < 0 || !StartSynth()) return false;
    piece_ = std::move(data);
    pieceOpen_ = true;
    lengthMs_ = length;
    return true;
}

void SdlAudio::MusicPlay() {
    if (!pieceOpen_ || synth_ == nullptr) return;
    Synth& s = *synth_;
    std::lock_guard<std::mutex> g(s.lock);
    // A new player each time: FluidSynth's players cannot be wound back reliably once they ran.
    s.DropPlayer();
    s.player = s.new_player(s.synth);
    if (s.player == nullptr) {
        playing_ = false;
        return;
    }
    if (s.player_add_mem(s.player, piece_.data(), piece_.size()) == kFluidFailed || s.player_play(s.player) == kFluidFailed) {
        s.DropPlayer();
        playing_ = false;
        return;
    }
    s.played = 0;
    playing_ = true;
}

void SdlAudio::MusicStop() {
    if (!pieceOpen_ || synth_ == nullptr) return;
    Synth& s = *synth_;
    std::lock_guard<std::mutex> g(s.lock);
    s.DropPlayer();
    s.all_notes_off(s.synth, -1);
    playing_ = false;
}

void SdlAudio::MusicClose() {
    if (!pieceOpen_) return;
    MusicStop();
    piece_.clear();
    pieceOpen_ = false;
    lengthMs_ = -1;
}

MusicMode SdlAudio::MusicStatus() {
    if (!pieceOpen_) return MusicMode::NotOpen;
    if (!playing_ || synth_ == nullptr) return MusicMode::Stopped;
    // No lock: only this thread changes the player, FluidSynth reads its status atomically, and the
    // frame count is atomic; the loop checks of the field must not wait for the synthesizer.
    Synth& s = *synth_;
    if (s.player == nullptr || s.player_get_status(s.player) != kFluidPlayerPlaying) return MusicMode::Stopped;
    // FluidSynth's player keeps playing for seconds after the sequence, until its last voice
    // has died away; a sequencer is done with the sequence's last event. The time is counted in
    // rendered samples, the player's own clock.
    const double ms = static_cast<double>(s.played) * 1000.0 / s.rate;
    if (ms >= lengthMs_) return MusicMode::Stopped;
    return MusicMode::Playing;
}

double SdlAudio::MusicPositionMs() const {
    if (synth_ == nullptr || !playing_) return 0;
    return static_cast<double>(synth_->played) * 1000.0 / synth_->rate;
}

void SdlAudio::SoundPlay(const std::string& nativePath) {
    if (!open_) return;
    // A new sound cuts off the one playing, even when it cannot be played itself.
    Mix_HaltChannel(kSoundChannel);
    if (chunk_ != nullptr) Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
    if (!vb::Path_NativeFileExists(nativePath)) return;
    chunk_ = Mix_LoadWAV(nativePath.c_str());
    if (chunk_ == nullptr) return;
    Mix_PlayChannel(kSoundChannel, chunk_, 0);
}

}  // namespace platform
