#include "app/replay.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>

#include "common/random.h"
#include "core/G_modGameInfo.h"
#include "core/frmMain.h"
#include "core/modEvent.h"
#include "data/modData.h"
#include "data/modData_json.h"
#include "launcher/frmStart.h"
#include "platform/host.h"

namespace {

// 'word' in quotes. (Built by appending: GCC 12 warns falsely about "'" + std::string(...).)
std::string QuoteWord(std::string_view w) {
    std::string s;
    s.reserve(w.size() + 2);
    s += '\'';
    s += w;
    s += '\'';
    return s;
}

using platform::EventType;
using platform::InputEvent;

constexpr std::uint32_t kNever = std::numeric_limits<std::uint32_t>::max();

std::int32_t Until(std::uint32_t now, std::uint32_t when) { return static_cast<std::int32_t>(when - now); }

struct KeyNameEntry {
    const char* name;
    int code;
};
constexpr KeyNameEntry kKeyNames[] = {
    {"Enter", platform::kKeyEnter}, {"Space", platform::kKeySpace}, {"Escape", platform::kKeyEscape},
    {"Tab", platform::kKeyTab},     {"F4", platform::kKeyF4},       {"Left", platform::kKeyLeft},
    {"Up", platform::kKeyUp},       {"Right", platform::kKeyRight}, {"Down", platform::kKeyDown},
    {"Num1", platform::kKeyNum1},   {"Num2", platform::kKeyNum2},   {"Num3", platform::kKeyNum3},
    {"Num4", platform::kKeyNum4},
};

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

template <typename T>
bool ParseInt(std::string_view text, T& value) {
    if (text.empty()) return false;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (*begin == '+') ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end;
}

bool ParseCoord(std::string_view text, float& value) {
    if (text.empty()) return false;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

std::vector<std::string_view> Tokens(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) break;
        if (line[i] == '#') break;  // a comment runs to the end of the line
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        out.push_back(line.substr(start, i - start));
    }
    return out;
}

// Parses one line's words into c; false with the reason in why.
bool ParseCommand(const std::vector<std::string_view>& t, ReplayCommand& c, std::string& why) {
    const std::string_view word = t[0];
    const std::size_t argc = t.size() - 1;
    auto count = [&](std::size_t min, std::size_t max, const char* usage) {
        if (argc < min || argc > max) {
            why = std::string("expected: ") + usage;
            return false;
        }
        return true;
    };
    auto modifiers = [&](std::size_t from) {
        for (std::size_t i = from; i < t.size(); ++i) {
            if (SameNoCase(t[i], "alt")) {
                c.shift |= platform::kShiftAlt;
            } else if (SameNoCase(t[i], "ctrl")) {
                c.shift |= platform::kShiftCtrl;
            } else if (SameNoCase(t[i], "shift")) {
                c.shift |= platform::kShiftShift;
            } else {
                why = "unknown key modifier '" + std::string(t[i]) + "' (alt, ctrl or shift)";
                return false;
            }
        }
        return true;
    };
    auto point = [&]() {
        if (!ParseCoord(t[1], c.x) || !ParseCoord(t[2], c.y)) {
            why = "X and Y must be numbers";
            return false;
        }
        return true;
    };
    auto mouseButton = [&](std::size_t at) {
        c.button = platform::kButtonLeft;
        if (t.size() <= at) return true;
        if (SameNoCase(t[at], "left")) return true;
        if (SameNoCase(t[at], "right")) {
            c.button = platform::kButtonRight;
            return true;
        }
        if (SameNoCase(t[at], "middle")) {
            c.button = platform::kButtonMiddle;
            return true;
        }
        why = "unknown mouse button '" + std::string(t[at]) + "' (left, right or middle)";
        return false;
    };
    auto key = [&](std::string_view name) {
        c.key = Replay_KeyCode(name);
        if (c.key < 0) {
            why = "unknown key '" + std::string(name) +
                  "' (Enter, Space, Escape, Tab, F4, Left, Up, Right, Down, Num1..Num4 or a code 0..255)";
            return false;
        }
        return true;
    };
    auto ms = [&](std::string_view text, std::int64_t& out) {
        std::int32_t v = 0;
        if (!ParseInt(text, v) || v < 0) {
            why = QuoteWord(text) + " is not a time in milliseconds (0 to 2147483647)";
            return false;
        }
        out = v;
        return true;
    };
    auto state = [&](std::string_view text) {
        std::int32_t v = 0;
        if (!ParseInt(text, v)) {
            why = QuoteWord(text) + " is not a state number";
            return false;
        }
        c.number = v;
        return true;
    };

    if (word == "seed") {
        c.op = ReplayOp::Seed;
        std::uint32_t v = 0;
        if (!count(1, 1, "seed N")) return false;
        if (!ParseInt(t[1], v)) {
            why = "the seed must be a number from 0 to 4294967295";
            return false;
        }
        c.number = v;
        return true;
    }
    if (word == "wait") {
        c.op = ReplayOp::Wait;
        return count(1, 1, "wait MS") && ms(t[1], c.number);
    }
    if (word == "at") {
        c.op = ReplayOp::At;
        std::uint32_t v = 0;
        if (!count(1, 1, "at MS")) return false;
        if (!ParseInt(t[1], v)) {
            why = QuoteWord(t[1]) + " is not a clock time in milliseconds (0 to 4294967295)";
            return false;
        }
        c.number = v;
        return true;
    }
    if (word == "until") {
        c.op = ReplayOp::UntilState;
        if (!count(2, 3, "until state N [MS]")) return false;
        if (t[1] != "state") {
            why = "expected: until state N [MS]";
            return false;
        }
        c.timeout = kReplayUntilDefault;
        return state(t[2]) && (argc < 3 || ms(t[3], c.timeout));
    }
    if (word == "click" || word == "rclick" || word == "mclick") {
        c.op = ReplayOp::Click;
        c.button = word == "click" ? platform::kButtonLeft
                   : word == "rclick" ? platform::kButtonRight
                                      : platform::kButtonMiddle;
        return count(2, 2, "click X Y") && point();
    }
    if (word == "move") {
        c.op = ReplayOp::Move;
        return count(2, 2, "move X Y") && point();
    }
    if (word == "press" || word == "release") {
        c.op = word == "press" ? ReplayOp::Press : ReplayOp::Release;
        return count(2, 3, "press X Y [left|right|middle]") && point() && mouseButton(3);
    }
    if (word == "key") {
        c.op = ReplayOp::Key;
        return count(1, 4, "key NAME [alt] [ctrl] [shift]") && key(t[1]) && modifiers(2);
    }
    if (word == "hold") {
        c.op = ReplayOp::Hold;
        return count(2, 5, "hold NAME MS [alt] [ctrl] [shift]") && key(t[1]) && ms(t[2], c.number) && modifiers(3);
    }
    if (word == "pad") {
        c.op = ReplayOp::Pad;
        if (!count(3, 3, "pad X Y BUTTONS")) return false;
        std::uint16_t buttons = 0;
        if (!ParseInt(t[1], c.padX) || !ParseInt(t[2], c.padY) || c.padX < -1 || c.padX > 1 || c.padY < -1 ||
            c.padY > 1) {
            why = "X and Y are directions: -1, 0 or 1";
            return false;
        }
        if (!ParseInt(t[3], buttons)) {
            why = "BUTTONS is the decimal sum of the held buttons (1, 2, 4, 8, ...), at most 65535";
            return false;
        }
        c.button = buttons;
        return true;
    }
    if (word == "launcher") {
        c.op = ReplayOp::Launcher;
        if (!count(1, 1, "launcher NAME")) return false;
        c.text = std::string(t[1]);
        for (const std::string& name : frmStart_ControlNames()) {
            if (name == c.text) return true;
        }
        why = "the launcher has no control '" + c.text + "' (Command1..Command5, M_S1, M_S2, M_SA1..M_SA4)";
        return false;
    }
    if (word == "answer") {
        c.op = ReplayOp::Answer;
        if (!count(1, 1, "answer yes|no")) return false;
        if (SameNoCase(t[1], "yes")) {
            c.yes = true;
        } else if (SameNoCase(t[1], "no")) {
            c.yes = false;
        } else {
            why = "expected: answer yes|no";
            return false;
        }
        return true;
    }
    if (word == "screenshot" || word == "dump") {
        c.op = word == "screenshot" ? ReplayOp::Screenshot : ReplayOp::Dump;
        if (!count(1, 1, word == "screenshot" ? "screenshot FILE" : "dump FILE")) return false;
        c.text = std::string(t[1]);
        return true;
    }
    if (word == "expect") {
        c.op = ReplayOp::ExpectState;
        if (!count(2, 2, "expect state N") || t[1] != "state") {
            why = "expected: expect state N";
            return false;
        }
        return state(t[2]);
    }
    if (word == "close") {
        c.op = ReplayOp::Close;
        return count(0, 0, "close");
    }
    why = "unknown command '" + std::string(word) + "'";
    return false;
}

void QueueMouse(platform::ScriptedHost& host, EventType type, float x, float y, int button) {
    InputEvent e;
    e.type = type;
    e.button = type == EventType::MouseMove ? 0 : button;
    e.x = x;
    e.y = y;
    host.Queue(e);
}

void QueueKey(platform::ScriptedHost& host, EventType type, int key, int shift, std::uint32_t at) {
    InputEvent e;
    e.type = type;
    e.key = key;
    e.shift = shift;
    host.Queue(e, at);
}

}  // namespace

int Replay_KeyCode(std::string_view name) {
    for (const KeyNameEntry& k : kKeyNames) {
        if (SameNoCase(name, k.name)) return k.code;
    }
    int code = 0;
    if (ParseInt(name, code) && code >= 0 && code <= 255) return code;
    return -1;
}

std::string Replay_KeyName(int code) {
    for (const KeyNameEntry& k : kKeyNames) {
        if (k.code == code) return k.name;
    }
    return std::to_string(code);
}

bool Replay_Parse(std::string_view text, std::vector<ReplayCommand>& out, std::string& error) {
    out.clear();
    int lineNo = 0;
    std::size_t pos = 0;
    // A UTF-8 byte order mark does not belong to the first command.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++lineNo;
        pos = end + 1;
        const auto tokens = Tokens(line);
        if (tokens.empty()) {
            if (end == text.size()) break;
            continue;
        }
        ReplayCommand c;
        c.line = lineNo;
        c.source = std::string(line);
        std::string why;
        if (!ParseCommand(tokens, c, why)) {
            error = "line " + std::to_string(lineNo) + ": " + why;
            return false;
        }
        out.push_back(std::move(c));
        if (end == text.size()) break;
    }
    return true;
}

void ReplayRunner::Install(platform::ScriptedHost& host) {
    host.SetIdleHook([this](platform::ScriptedHost& h) { return Step(h); });
}

void ReplayRunner::Prepare(platform::ScriptedHost& host) {
    while (pc_ < commands_.size()) {
        const ReplayOp op = commands_[pc_].op;
        if (op != ReplayOp::Seed && op != ReplayOp::Pad && op != ReplayOp::Answer) break;
        std::uint32_t wake = kNever;
        Execute(host, commands_[pc_], wake);
        ++pc_;
    }
}

std::uint32_t ReplayRunner::Step(platform::ScriptedHost& host) {
    if (inStep_) return kNever;
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(inStep_);
    for (;;) {
        // Queued input goes first: the next line follows once the game has taken it.
        if (host.PendingInput()) return kNever;
        if (pc_ >= commands_.size()) platform::Program_End(0);
        std::uint32_t wake = kNever;
        if (!Execute(host, commands_[pc_], wake)) return wake;
        ++pc_;
    }
}

std::string ReplayRunner::Where() const {
    if (commands_.empty()) return "";
    if (pc_ == 0) return "before the first replay line";
    const ReplayCommand& last = commands_[std::min(pc_, commands_.size()) - 1];
    return "after replay line " + std::to_string(last.line) + " (" + last.source + ")";
}

void ReplayRunner::Fail(const ReplayCommand& c, const std::string& why) const {
    throw platform::ScriptFailure{"replay line " + std::to_string(c.line) + " (" + c.source + "): " + why};
}

bool ReplayRunner::Execute(platform::ScriptedHost& host, const ReplayCommand& c, std::uint32_t& wake) {
    const std::uint32_t now = host.Ticks();
    switch (c.op) {
        case ReplayOp::Seed:
            vb::Rnd_FixSeed(static_cast<std::uint32_t>(c.number));
            vb::Randomize(static_cast<std::uint32_t>(c.number));
            return true;
        case ReplayOp::Wait:
            if (!waiting_) {
                waiting_ = true;
                until_ = now + static_cast<std::uint32_t>(c.number);
            }
            if (Until(now, until_) > 0) {
                wake = until_;
                return false;
            }
            waiting_ = false;
            return true;
        case ReplayOp::At:
            if (Until(now, static_cast<std::uint32_t>(c.number)) > 0) {
                wake = static_cast<std::uint32_t>(c.number);
                return false;
            }
            return true;
        case ReplayOp::UntilState:
            if (!waiting_) {
                waiting_ = true;
                until_ = now + static_cast<std::uint32_t>(c.timeout);
            }
            if (static_cast<vb::Long>(gintGameState) == c.number) {
                waiting_ = false;
                return true;
            }
            if (Until(now, until_) <= 0) {
                waiting_ = false;
                Fail(c, "the state is still " + std::to_string(static_cast<vb::Long>(gintGameState)) + " after " +
                            std::to_string(c.timeout) + " ms");
            }
            wake = until_;
            return false;
        case ReplayOp::Click:
            QueueMouse(host, EventType::MouseMove, c.x, c.y, 0);
            QueueMouse(host, EventType::MouseDown, c.x, c.y, c.button);
            QueueMouse(host, EventType::MouseUp, c.x, c.y, c.button);
            return true;
        case ReplayOp::Move: QueueMouse(host, EventType::MouseMove, c.x, c.y, 0); return true;
        case ReplayOp::Press: QueueMouse(host, EventType::MouseDown, c.x, c.y, c.button); return true;
        case ReplayOp::Release: QueueMouse(host, EventType::MouseUp, c.x, c.y, c.button); return true;
        case ReplayOp::Key:
            QueueKey(host, EventType::KeyDown, c.key, c.shift, now);
            QueueKey(host, EventType::KeyUp, c.key, c.shift, now);
            return true;
        case ReplayOp::Hold: {
            const std::uint32_t end = now + static_cast<std::uint32_t>(c.number);
            QueueKey(host, EventType::KeyDown, c.key, c.shift, now);
            for (std::uint32_t t = now + kReplayRepeatDelay; Until(t, end) > 0; t += kReplayRepeatPeriod) {
                QueueKey(host, EventType::KeyDown, c.key, c.shift, t);
            }
            QueueKey(host, EventType::KeyUp, c.key, c.shift, end);
            return true;
        }
        case ReplayOp::Pad: {
            platform::JoyPos pos;
            pos.x = c.padX < 0 ? 0 : c.padX > 0 ? 65535 : 32767;
            pos.y = c.padY < 0 ? 0 : c.padY > 0 ? 65535 : 32767;
            pos.buttons = static_cast<std::uint32_t>(c.button);
            host.SetJoystick(1, pos);
            return true;
        }
        case ReplayOp::Launcher: {
            if (!frmStart_IsOpen()) Fail(c, "the launcher is not open");
            for (const InputEvent& e : frmStart_EventsFor(c.text)) host.Queue(e);
            return true;
        }
        case ReplayOp::Answer:
            host.QueueAnswer(c.yes ? platform::MsgAnswer::Yes : platform::MsgAnswer::No);
            return true;
        case ReplayOp::Screenshot:
            if (!platform::Surface_WritePng(Replay_ScreenSurface(), c.text)) Fail(c, "cannot write " + c.text);
            return true;
        case ReplayOp::Dump: {
            std::ofstream out(c.text, std::ios::binary | std::ios::trunc);
            out << Replay_DumpJson() << '\n';
            out.close();
            if (!out) Fail(c, "cannot write " + c.text);
            return true;
        }
        case ReplayOp::ExpectState:
            if (static_cast<vb::Long>(gintGameState) != c.number) {
                Fail(c, "the state is " + std::to_string(static_cast<vb::Long>(gintGameState)));
            }
            return true;
        case ReplayOp::Close: {
            InputEvent e;
            e.type = EventType::CloseRequested;
            host.Queue(e);
            return true;
        }
    }
    return true;
}

const platform::Surface& Replay_ScreenSurface() {
    if (frmStart_IsOpen()) return frmStart_Surface();
    return frmMain_Form().image;
}

std::string Replay_DumpJson() {
    std::string s = "{";
    auto number = [&s](const char* name, long long v) {
        s += '"';
        s += name;
        s += "\":";
        s += std::to_string(v);
        s += ',';
    };
    number("gintGameState", static_cast<vb::Long>(gintGameState));
    number("gintReturnState", gintReturnState);
    number("glngFrameTime", glngFrameTime);
    number("gintChoice", gintChoice);
    number("gintLastChoice", gintLastChoice);
    number("glngKeyCursor", glngKeyCursor);
    number("gintSubState", gintSubState);
    number("glngClickAck", glngClickAck);
    s += "\"gudtGame\":";
    s += GameData_ToJson(gudtGame);
    s += '}';
    return s;
}
