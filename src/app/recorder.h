// Recording a session as a replay: a host that passes everything to the real one and writes down
// what the game received from it (pointer and key events with their times, the answers of Yes/No
// boxes, controller changes). Its clock starts at 0 like the scripted one, so the recording plays
// back on the same timeline.
#pragma once
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/host.h"

class RecordingHost : public platform::Host {
public:
    // inner must outlive the recorder.
    explicit RecordingHost(platform::Host& inner);

    // Comment lines for the head of the file (how the session was started, say).
    void AddHeader(const std::string& comment) { header_.push_back(comment); }
    void SetSeed(std::uint32_t seed) {
        seed_ = seed;
        hasSeed_ = true;
    }
    // The replay so far, ending with a wait up to now.
    std::string Text();

    // Writes the recording into a file while the session runs: the head at once, every line as
    // soon as nothing can come before it any more (flushed, so that a session that crashes leaves
    // its recording up to the last event), the rest at Finish. False when it cannot be written.
    bool Open(const std::string& nativePath);
    bool Finish();
    ~RecordingHost() override;

    // The replay line of one input event.
    static std::string EventLine(const platform::InputEvent& e);

    // --- Host ---
    std::uint32_t Ticks() override { return inner_.Ticks() - start_; }
    bool PollEvent(platform::InputEvent& out) override;
    void WaitEvent(std::uint32_t deadline) override { inner_.WaitEvent(deadline + start_); }
    void Sleep(std::uint32_t ms) override { inner_.Sleep(ms); }
    void OpenWindow(const platform::WindowSpec& spec) override { inner_.OpenWindow(spec); }
    void SetCaption(const std::string& caption) override { inner_.SetCaption(caption); }
    std::string GetCaption() override { return inner_.GetCaption(); }
    void SetWindowSize(int width, int height) override { inner_.SetWindowSize(width, height); }
    void GetWindowSize(int& width, int& height) override { inner_.GetWindowSize(width, height); }
    void Present(const platform::Surface& surface) override { inner_.Present(surface); }
    bool SetFullscreen(bool on) override { return inner_.SetFullscreen(on); }
    std::vector<platform::DisplayMode> DisplayModes() override { return inner_.DisplayModes(); }
    void MinimizeWindow() override { inner_.MinimizeWindow(); }
    bool WindowIsActive() override { return inner_.WindowIsActive(); }
    platform::MsgAnswer MessageBox(const std::string& text, const std::string& title, platform::MsgButtons buttons,
                                   platform::MsgIcon icon) override;
    bool MusicOpen(const std::string& nativePath) override { return inner_.MusicOpen(nativePath); }
    void MusicPlay() override { inner_.MusicPlay(); }
    void MusicStop() override { inner_.MusicStop(); }
    void MusicClose() override { inner_.MusicClose(); }
    platform::MusicMode MusicStatus() override { return inner_.MusicStatus(); }
    void SoundPlay(const std::string& nativePath) override { inner_.SoundPlay(nativePath); }
    int JoyNumDevs() override { return inner_.JoyNumDevs(); }
    bool JoyGetPos(int id, platform::JoyPos& out) override;
    bool JoyGetCaps(int id, platform::JoyCaps& out) override;
    bool OpenUrl(const std::string& url) override { return inner_.OpenUrl(url); }
    bool SaveScreenshot(const std::string& nativePath) override { return inner_.SaveScreenshot(nativePath); }

private:
    struct Line {
        std::uint32_t at;
        std::string text;
        bool input;  // an input event (answers are placed before the one being handled)
    };
    void Add(std::string text, bool input);
    std::string Head() const;
    std::string LineText(const Line& line, std::uint32_t& at) const;
    void WriteFinal(std::size_t upTo);

    platform::Host& inner_;
    std::uint32_t start_;
    std::vector<std::string> header_;
    bool hasSeed_ = false;
    std::uint32_t seed_ = 0;
    std::vector<Line> lines_;
    std::FILE* file_ = nullptr;
    std::size_t written_ = 0;     // lines already in the file
    std::uint32_t writtenAt_ = 0; // the clock time the file has reached
    bool writeFailed_ = false;
    std::size_t lastInput_ = 0;  // index of the line of the event delivered last
    int padId_ = -1;             // the controller the game reads
    bool padReadSinceInput_ = false;
    bool anyInput_ = false;
    std::map<int, platform::JoyCaps> caps_;
    bool padKnown_ = false;
    int padX_ = 0, padY_ = 0;
    std::uint32_t padButtons_ = 0;
};
