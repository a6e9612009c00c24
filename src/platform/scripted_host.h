// The headless host: a virtual clock that moves only when the game waits, input from a queue (fed
// by tests or by the replay runner), message boxes recorded and answered from a queue, audio
// commands recorded. Deterministic: the same inputs give the same run.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/host.h"

namespace platform {

// A scripted run went wrong (an unanswered Yes/No box, say). Not a game error: nothing in the game
// catches it.
struct ScriptFailure {
    std::string message;
};

class ScriptedHost : public Host {
public:
    struct MessageRecord {
        std::string text;
        std::string title;
        MsgButtons buttons;
        MsgIcon icon;
        MsgAnswer answer;
    };

    // Called whenever the game is about to let virtual time pass. It may queue input and answers
    // and returns the virtual time at which it wants to be asked again (UINT32_MAX: not before
    // something else happens).
    using IdleHook = std::function<std::uint32_t(ScriptedHost&)>;

    ScriptedHost();

    // --- scripting ---
    void Queue(const InputEvent& e, std::uint32_t at);  // delivered when the clock reaches at
    void Queue(const InputEvent& e) { Queue(e, now_); }
    void QueueAnswer(MsgAnswer a) { answers_.push_back(a); }
    void SetIdleHook(IdleHook hook) { idle_ = std::move(hook); }
    void SetNow(std::uint32_t t) { now_ = t; }
    // Controller as seen from now on (none when count is 0): count devices, all answering.
    void SetJoystick(int count, const JoyPos& pos, const JoyCaps& caps = {});
    // A driver with numDevs slots where only the slots from firstAnswering on answer position reads
    // (none when firstAnswering >= numDevs); capsReadable false makes capability reads fail.
    void SetJoystickSlots(int numDevs, int firstAnswering, bool capsReadable = true);
    // Makes the playing piece end (as if it ran out); the loop check then sees "stopped".
    void FinishMusic();
    // Pauses / resumes the playing piece (the loop check then sees "paused").
    void PauseMusic();
    void ResumeMusic();
    // The display modes reported from now on (default: one 640 x 480 x 32 mode).
    void SetDisplayModes(std::vector<DisplayMode> modes) { modes_ = std::move(modes); }
    // Makes the following SetFullscreen calls fail (the platform refuses).
    void RefuseFullscreen(bool refuse) { refuseFullscreen_ = refuse; }
    // Whether the game window counts as the active one (default true).
    void SetWindowActive(bool active) { active_ = active; }
    bool PendingInput() const { return !queue_.empty(); }

    // --- observations ---
    const std::vector<MessageRecord>& Messages() const { return messages_; }
    // Audio and window commands in order: "music-open PATH", "music-play", "music-stop",
    // "music-close", "sound PATH", "window CAPTION WxH", "size WxH", "fullscreen 1" (or 0, also
    // when refused), "minimize", "url URL", "screenshot PATH".
    const std::vector<std::string>& Log() const { return log_; }
    const Surface& LastPresented() const { return presented_; }
    int PresentCount() const { return presents_; }
    const std::string& Caption() const { return caption_; }
    bool Fullscreen() const { return fullscreen_; }
    int WindowWidth() const { return width_; }
    int WindowHeight() const { return height_; }

    // --- Host ---
    std::uint32_t Ticks() override { return now_; }
    bool PollEvent(InputEvent& out) override;
    void WaitEvent(std::uint32_t deadline) override;
    void Sleep(std::uint32_t ms) override;
    void OpenWindow(const WindowSpec& spec) override;
    void SetCaption(const std::string& caption) override;
    std::string GetCaption() override { return caption_; }
    void SetWindowSize(int width, int height) override;
    void GetWindowSize(int& width, int& height) override;
    void Present(const Surface& surface) override;
    bool SetFullscreen(bool on) override;
    std::vector<DisplayMode> DisplayModes() override;
    void MinimizeWindow() override;
    bool WindowIsActive() override { return active_; }
    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override;
    bool MusicOpen(const std::string& nativePath) override;
    void MusicPlay() override;
    void MusicStop() override;
    void MusicClose() override;
    MusicMode MusicStatus() override { return music_; }
    void SoundPlay(const std::string& nativePath) override;
    int JoyNumDevs() override { return joyCount_; }
    bool JoyGetPos(int id, JoyPos& out) override;
    bool JoyGetCaps(int id, JoyCaps& out) override;
    bool OpenUrl(const std::string& url) override;
    bool SaveScreenshot(const std::string& nativePath) override;

private:
    struct Timed {
        std::uint32_t at;
        std::uint64_t seq;
        InputEvent event;
    };
    std::uint32_t AskIdle();

    std::uint32_t now_ = 0;
    std::uint64_t seq_ = 0;
    std::deque<Timed> queue_;  // sorted by (at, seq)
    std::deque<MsgAnswer> answers_;
    IdleHook idle_;
    std::vector<MessageRecord> messages_;
    std::vector<std::string> log_;
    Surface presented_;
    int presents_ = 0;
    std::string caption_;
    int width_ = 0;
    int height_ = 0;
    bool fullscreen_ = false;
    bool refuseFullscreen_ = false;
    bool active_ = true;
    std::vector<DisplayMode> modes_{{640, 480, 32}};
    MusicMode music_ = MusicMode::NotOpen;
    int joyCount_ = 0;
    int joyFirst_ = 0;
    bool joyCapsOk_ = true;
    JoyPos joyPos_;
    JoyCaps joyCaps_;
};

}  // namespace platform
