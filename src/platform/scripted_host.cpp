#include "platform/scripted_host.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <limits>

#include "common/paths.h"

namespace platform {
namespace {
std::int32_t Until(std::uint32_t now, std::uint32_t when) { return static_cast<std::int32_t>(when - now); }
}  // namespace

ScriptedHost::ScriptedHost() = default;

void ScriptedHost::Queue(const InputEvent& e, std::uint32_t at) {
    Timed t{at, seq_++, e};
    auto it = std::upper_bound(queue_.begin(), queue_.end(), t, [](const Timed& a, const Timed& b) {
        return a.at != b.at ? Until(b.at, a.at) < 0 : a.seq < b.seq;
    });
    queue_.insert(it, t);
}

void ScriptedHost::SetJoystick(int count, const JoyPos& pos, const JoyCaps& caps) {
    joyCount_ = count;
    joyFirst_ = 0;
    joyCapsOk_ = true;
    joyPos_ = pos;
    joyCaps_ = caps;
}

void ScriptedHost::SetJoystickSlots(int numDevs, int firstAnswering, bool capsReadable) {
    joyCount_ = numDevs;
    joyFirst_ = firstAnswering;
    joyCapsOk_ = capsReadable;
}

void ScriptedHost::FinishMusic() {
    if (music_ == MusicMode::Playing) music_ = MusicMode::Stopped;
}

void ScriptedHost::PauseMusic() {
    if (music_ == MusicMode::Playing) music_ = MusicMode::Paused;
}

void ScriptedHost::ResumeMusic() {
    if (music_ == MusicMode::Paused) music_ = MusicMode::Playing;
}

bool ScriptedHost::PollEvent(InputEvent& out) {
    if (queue_.empty() || Until(now_, queue_.front().at) > 0) {
        // Nothing due: the script may want to add input at this very moment.
        if (idle_) AskIdle();
        if (queue_.empty() || Until(now_, queue_.front().at) > 0) return false;
    }
    out = queue_.front().event;
    queue_.pop_front();
    return true;
}

std::uint32_t ScriptedHost::AskIdle() {
    return idle_ ? idle_(*this) : std::numeric_limits<std::uint32_t>::max();
}

void ScriptedHost::WaitEvent(std::uint32_t deadline) {
    if (!queue_.empty() && Until(now_, queue_.front().at) <= 0) return;
    std::uint32_t target = deadline;
    if (idle_) {
        const std::uint32_t wake = AskIdle();
        if (!queue_.empty() && Until(now_, queue_.front().at) <= 0) return;
        if (wake != std::numeric_limits<std::uint32_t>::max() && Until(now_, wake) < Until(now_, target)) {
            target = wake;
        }
    }
    if (!queue_.empty() && Until(now_, queue_.front().at) < Until(now_, target)) target = queue_.front().at;
    if (Until(now_, target) > 0) now_ = target;
}

void ScriptedHost::Sleep(std::uint32_t ms) { now_ += ms; }

void ScriptedHost::OpenWindow(const WindowSpec& spec) {
    caption_ = spec.caption;
    fullscreen_ = spec.fullscreen;
    width_ = spec.width;
    height_ = spec.height;
    log_.push_back("window " + spec.caption + " " + std::to_string(spec.width) + "x" +
                   std::to_string(spec.height));
}

void ScriptedHost::SetCaption(const std::string& caption) { caption_ = caption; }

void ScriptedHost::SetWindowSize(int width, int height) {
    width_ = width;
    height_ = height;
    log_.push_back("size " + std::to_string(width) + "x" + std::to_string(height));
}

void ScriptedHost::GetWindowSize(int& width, int& height) {
    width = width_;
    height = height_;
}

void ScriptedHost::Present(const Surface& surface) {
    presented_ = surface;
    ++presents_;
}

bool ScriptedHost::SetFullscreen(bool on) {
    log_.push_back(std::string("fullscreen ") + (on ? "1" : "0"));
    if (refuseFullscreen_) return false;
    fullscreen_ = on;
    return true;
}

std::vector<DisplayMode> ScriptedHost::DisplayModes() { return modes_; }

void ScriptedHost::MinimizeWindow() { log_.push_back("minimize"); }

MsgAnswer ScriptedHost::MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                                   MsgIcon icon) {
    MsgAnswer answer = MsgAnswer::Ok;
    if (buttons == MsgButtons::YesNo) {
        if (answers_.empty()) throw ScriptFailure{"unanswered Yes/No box: " + text};
        answer = answers_.front() == MsgAnswer::Ok ? MsgAnswer::Yes : answers_.front();
        answers_.pop_front();
    } else if (!answers_.empty() && answers_.front() == MsgAnswer::Ok) {
        answers_.pop_front();
    }
    messages_.push_back({text, title, buttons, icon, answer});
    return answer;
}

bool ScriptedHost::MusicOpen(const std::string& nativePath) {
    log_.push_back("music-open " + nativePath);
    if (!vb::Path_NativeFileExists(nativePath)) return false;
    music_ = MusicMode::Stopped;
    return true;
}

void ScriptedHost::MusicPlay() {
    log_.push_back("music-play");
    if (music_ != MusicMode::NotOpen) music_ = MusicMode::Playing;
}

void ScriptedHost::MusicStop() {
    log_.push_back("music-stop");
    if (music_ != MusicMode::NotOpen) music_ = MusicMode::Stopped;
}

void ScriptedHost::MusicClose() {
    log_.push_back("music-close");
    music_ = MusicMode::NotOpen;
}

void ScriptedHost::SoundPlay(const std::string& nativePath) { log_.push_back("sound " + nativePath); }

bool ScriptedHost::JoyGetPos(int id, JoyPos& out) {
    if (id < joyFirst_ || id >= joyCount_) return false;
    out = joyPos_;
    return true;
}

bool ScriptedHost::JoyGetCaps(int id, JoyCaps& out) {
    if (!joyCapsOk_ || id < joyFirst_ || id >= joyCount_) return false;
    out = joyCaps_;
    return true;
}

bool ScriptedHost::OpenUrl(const std::string& url) {
    log_.push_back("url " + url);
    return true;
}

bool ScriptedHost::SaveScreenshot(const std::string& nativePath) {
    log_.push_back("screenshot " + nativePath);
    return Surface_WritePng(presented_, nativePath);
}

bool Surface_WritePng(const Surface& surface, const std::string& nativePath) {
    if (surface.Empty()) return false;
    // 0x00BBGGRR words are R, G, B, X bytes in memory on this little-endian layout; SDL's XBGR8888
    // names the same packed word, so the pixels go over without conversion.
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<Colour*>(surface.Pixels().data()), surface.Width(), surface.Height(), 32,
        surface.Width() * 4, SDL_PIXELFORMAT_XBGR8888);
    if (s == nullptr) return false;
    const bool ok = IMG_SavePNG(s, nativePath.c_str()) == 0;
    SDL_FreeSurface(s);
    return ok;
}

}  // namespace platform
