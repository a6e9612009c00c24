#include "app/recorder.h"

#include <charconv>

#include "app/replay.h"

namespace {

// The shortest text that reads back as the same float.
std::string Coord(float v) {
    char buf[32];
    const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, ptr) : std::to_string(v);
}

std::string ButtonWord(int button) {
    if (button == platform::kButtonRight) return " right";
    if (button == platform::kButtonMiddle) return " middle";
    return "";
}

std::string Modifiers(int shift) {
    std::string s;
    if ((shift & platform::kShiftAlt) != 0) s += " alt";
    if ((shift & platform::kShiftCtrl) != 0) s += " ctrl";
    if ((shift & platform::kShiftShift) != 0) s += " shift";
    return s;
}

int Direction(std::uint32_t v, std::uint32_t min, std::uint32_t max) {
    // The thresholds the game's controller module uses.
    const long long value = v;
    if (value > static_cast<long long>(max) - 16384) return 1;
    if (value < static_cast<long long>(min) + 16384) return -1;
    return 0;
}

}  // namespace

RecordingHost::RecordingHost(platform::Host& inner) : inner_(inner), start_(inner.Ticks()) {}

std::string RecordingHost::EventLine(const platform::InputEvent& e) {
    using platform::EventType;
    switch (e.type) {
        case EventType::MouseMove: return "move " + Coord(e.x) + " " + Coord(e.y);
        case EventType::MouseDown: return "press " + Coord(e.x) + " " + Coord(e.y) + ButtonWord(e.button);
        case EventType::MouseUp: return "release " + Coord(e.x) + " " + Coord(e.y) + ButtonWord(e.button);
        case EventType::KeyDown: return "key " + Replay_KeyName(e.key) + Modifiers(e.shift);
        case EventType::KeyUp: return "";  // the game acts on presses only; "key" releases at once
        case EventType::CloseRequested: return "close";
    }
    return "";
}

void RecordingHost::Add(std::string text, bool input) {
    lines_.push_back({Ticks(), std::move(text), input});
    if (input) {
        lastInput_ = lines_.size() - 1;
        anyInput_ = true;
        padReadSinceInput_ = false;
        // Answers and controller changes are only ever placed just before the event delivered
        // last: what lies before it is final.
        WriteFinal(lastInput_);
    }
}

bool RecordingHost::PollEvent(platform::InputEvent& out) {
    if (!inner_.PollEvent(out)) return false;
    std::string line = EventLine(out);
    if (!line.empty()) Add(std::move(line), true);
    return true;
}

platform::MsgAnswer RecordingHost::MessageBox(const std::string& text, const std::string& title,
                                              platform::MsgButtons buttons, platform::MsgIcon icon) {
    const platform::MsgAnswer answer = inner_.MessageBox(text, title, buttons, icon);
    if (buttons == platform::MsgButtons::YesNo) {
        // The box opened while the event delivered last was handled: the answer has to be ready
        // before that event is delivered again.
        std::string line = answer == platform::MsgAnswer::Yes ? "answer yes" : "answer no";
        if (anyInput_) {
            lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastInput_),
                          Line{lines_[lastInput_].at, std::move(line), false});
            ++lastInput_;
        } else {
            lines_.insert(lines_.begin(), Line{0, std::move(line), false});
            ++lastInput_;
        }
    }
    return answer;
}

bool RecordingHost::JoyGetCaps(int id, platform::JoyCaps& out) {
    const bool ok = inner_.JoyGetCaps(id, out);
    if (ok) caps_[id] = out;
    return ok;
}

bool RecordingHost::JoyGetPos(int id, platform::JoyPos& out) {
    const bool ok = inner_.JoyGetPos(id, out);
    if (!ok) return ok;
    if (padId_ < 0) padId_ = id;
    if (id != padId_) return ok;
    platform::JoyCaps caps;
    const auto known = caps_.find(id);
    if (known != caps_.end()) caps = known->second;
    const int x = Direction(out.x, caps.xMin, caps.xMax);
    const int y = Direction(out.y, caps.yMin, caps.yMax);
    if (!padKnown_ || x != padX_ || y != padY_ || out.buttons != padButtons_) {
        padKnown_ = true;
        padX_ = x;
        padY_ = y;
        padButtons_ = out.buttons & 0xFFFF;
        std::string line = "pad " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(padButtons_);
        if (anyInput_ && !padReadSinceInput_) {
            // Nothing read the controller since the event delivered last: the change may be given
            // before that event, so that a read in its handler sees it too.
            lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastInput_),
                          Line{lines_[lastInput_].at, std::move(line), false});
            ++lastInput_;
        } else {
            Add(std::move(line), false);
        }
    }
    padReadSinceInput_ = true;
    return ok;
}

std::string RecordingHost::Head() const {
    std::string s = "# zove replay, recorded from a session\n";
    for (const std::string& h : header_) s += "# " + h + "\n";
    if (hasSeed_) s += "seed " + std::to_string(seed_) + "\n";
    return s;
}

std::string RecordingHost::LineText(const Line& line, std::uint32_t& at) const {
    std::string s;
    // Absolute times: a line waits for the moment it happened, however long the game was busy
    // before the runner reached it.
    if (line.at != at) {
        s += "at " + std::to_string(line.at) + "\n";
        at = line.at;
    }
    s += line.text + "\n";
    return s;
}

std::string RecordingHost::Text() {
    std::string s = Head();
    std::uint32_t at = 0;
    for (const Line& line : lines_) s += LineText(line, at);
    const std::uint32_t end = Ticks();
    if (end != at) s += "at " + std::to_string(end) + "\n";
    s += "# the session ended here\n";
    return s;
}

RecordingHost::~RecordingHost() {
    if (file_ != nullptr) std::fclose(file_);
}

bool RecordingHost::Open(const std::string& nativePath) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = std::fopen(nativePath.c_str(), "wb");
    if (file_ == nullptr) return false;
    written_ = 0;
    writtenAt_ = 0;
    writeFailed_ = false;
    const std::string head = Head();
    writeFailed_ = std::fwrite(head.data(), 1, head.size(), file_) != head.size() || std::fflush(file_) != 0;
    return !writeFailed_;
}

void RecordingHost::WriteFinal(std::size_t upTo) {
    if (file_ == nullptr || upTo <= written_) return;
    std::string s;
    for (; written_ < upTo; ++written_) s += LineText(lines_[written_], writtenAt_);
    if (std::fwrite(s.data(), 1, s.size(), file_) != s.size() || std::fflush(file_) != 0) writeFailed_ = true;
}

bool RecordingHost::Finish() {
    if (file_ == nullptr) return false;
    WriteFinal(lines_.size());
    std::string s;
    const std::uint32_t end = Ticks();
    if (end != writtenAt_) s += "at " + std::to_string(end) + "\n";
    s += "# the session ended here\n";
    if (std::fwrite(s.data(), 1, s.size(), file_) != s.size()) writeFailed_ = true;
    if (std::fclose(file_) != 0) writeFailed_ = true;
    file_ = nullptr;
    return !writeFailed_;
}
