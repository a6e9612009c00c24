// The talk-script interpreter. A script is a section of eve\A_TALK_FILE.ini whose keys "1", "2", ...
// are read one at a time, each just before it runs; the first character of a line is its command.
#include "story/modTalk.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "common/C_modMid.h"
#include "common/C_modSystem.h"
#include "common/cp932.h"
#include "common/paths.h"
#include "common/vb_error.h"
#include "common/vb_string.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage.h"
#include "core/G_modManage_Media.h"
#include "core/G_modManage_Text.h"
#include "core/modEvent.h"
#include "core/modEvent_Form.h"
#include "core/modInput.h"
#include "platform/form.h"
#include "platform/pump.h"
#include "platform/trace.h"

namespace {

constexpr const char* kTalkFile = "A_TALK_FILE";
constexpr vb::Integer kMessagePic = 7001;
constexpr platform::Colour kWhite = 0xFFFFFF;

platform::Form* MainForm() { return gobjEventForm != nullptr ? gobjEventForm : gobjMainForm; }

std::string ReadLine(const std::string& section, long n) {
    return Manage_Read_EveIni(kTalkFile, section, vb::CStr(static_cast<long long>(n)), vb::kTrue);
}

std::string LowerTrim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return vb::LCase(s.substr(b, e - b));
}

// The highest line number among the keys of a section of the talk file, as the ini reader sees
// them (first section of the name only); 0 when there is none. A text list ends after that line,
// so a list without an "END" line still ends, and a gap in the numbering is only an empty line.
long LastLineNumber(const std::string& section) {
    long last = 0;
    std::ifstream in(vb::Path_Resolve(gstrGameDir + "eve\\" + kTalkFile + ".ini"), std::ios::binary);
    if (!in) return last;
    const std::string text = vb::Cp932ToUtf8(std::string(std::istreambuf_iterator<char>(in), {}));
    const std::string wanted = LowerTrim(section);
    enum { Before, Inside, After } where = Before;
    std::size_t pos = 0;
    while (pos < text.size() && where != After) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        const std::string line = LowerTrim(std::string_view(text).substr(pos, end - pos));
        pos = end;
        while (pos < text.size() && (text[pos] == '\r' || text[pos] == '\n')) ++pos;
        if (line.empty()) continue;
        if (line[0] == '[') {
            const std::size_t close = line.rfind(']');
            const std::string name = LowerTrim(close == std::string::npos || close == 0 ? line.substr(1)
                                                                                      : line.substr(1, close - 1));
            if (where == Inside) where = After;
            else if (name == wanted) where = Inside;
        } else if (where == Inside) {
            // Only keys the reader finds under a line number: decimal, no sign, no leading zero,
            // and within reach of the 16-bit line counter.
            const std::string key = LowerTrim(line.substr(0, line.find('=')));
            const bool number = !key.empty() && key.size() <= 5 && key[0] != '0' &&
                                key.find_first_not_of("0123456789") == std::string::npos;
            if (number && std::stol(key) <= 32767) last = std::max(last, std::stol(key));
        }
    }
    return last;
}

// The number of a B, P, S or O line: the rest of the line by the text-value rule, 16 bits.
vb::Integer LineNumber(const std::string& line) { return vb::CInt(vb::Val(vb::Mid(line, 2))); }

void ShowMessage(const std::string& line, const std::string& param) {
    Talk_Show_Pic(kMessagePic);
    const std::string text = vb::Replace(line, "%s", param);
    Event_Play("PLAY_MXT", 0, vb::Mid(text, 2));
    Talk_Refresh_Main();
    Sys_Wait(vb::MulLng(10, glngFrameTime));
    Event_Wait_Confirm();
}

// Puts back the text-list page area (70, 100)-(640, 480) from a copy of the window image.
void RestorePageArea(const platform::Surface& under) {
    platform::Form* f = MainForm();
    if (f == nullptr || under.Width() != f->image.Width() || under.Height() != f->image.Height()) return;
    const int right = std::min(640, under.Width()), bottom = std::min(480, under.Height());
    if (right <= 70) return;
    for (int y = 100; y < bottom; ++y) std::copy(under.Row(y) + 70, under.Row(y) + right, f->image.Row(y) + 70);
}

// The ending command: the ending text at the time unit 30, then the staff roll (state 12).
void RunEnding() {
    glngFrameTime = 30;
    Talk_Fill_Black();
    Talk_Play_TextList("END_MSG");
    gintGameState = 12;
    Event_Dispatch(kInputRefresh, 0, 0);
}

}  // namespace

void Talk_Refresh_Main() {
    if (platform::Form* f = MainForm()) f->Refresh();
}

void Talk_Show_Pic(vb::Integer In_intNo) {
    try {
        Event_Play("PLAY_PIC", In_intNo, "");
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
    }
}

void Talk_Fill_Black() {
    platform::Form* f = MainForm();
    if (f == nullptr) return;
    platform::Surface& s = f->image;
    const int w = std::min(s.Width(), 641), h = std::min(s.Height(), 481);
    for (int y = 0; y < h; ++y) {
        platform::Colour* row = s.Row(y);
        std::fill(row, row + w, platform::Colour{0});
    }
}

void Talk_Play_TextList(const std::string& In_strListName) {
    platform::Trace_Write("textlist " + platform::Trace_Quote(In_strListName));
    const long last = LastLineNumber(In_strListName);
    // Read at every wait: a speed change (Tab) during the list holds from the next wait on.
    auto pause = [] { return vb::MulLng(30, glngFrameTime); };
    // The whole page is drawn again after every line. What lay under the page is put back first,
    // so that earlier lines are not painted over themselves (their soft edges would thicken).
    platform::Surface under;
    if (platform::Form* f = MainForm()) under = f->image;
    std::string page;
    for (long k = 1;; ++k) {
        platform::Pump_DoEvents();
        if (k > last) break;
        const std::string line = ReadLine(In_strListName, k);
        if (line == "END") break;
        if (line == "\\f") {
            Sys_Wait(pause());
            Talk_Fill_Black();
            page.clear();
            if (platform::Form* f = MainForm()) under = f->image;
        } else {
            page += "\\n" + line;
        }
        RestorePageArea(under);
        Manage_Draw_Text(page, 70, 100, 640, 480, 17, kWhite, 0);
        Talk_Refresh_Main();
        Sys_Wait(pause());
    }
}

void Event_Talk(const std::string& In_strTalkName, const std::string& In_strParam) {
    platform::Trace_Write("talk " + platform::Trace_Quote(In_strTalkName));
    for (long n = 1;; ++n) {
        const std::string line = ReadLine(In_strTalkName, n);
        const std::string head = vb::Left(line, 1);
        if (head == "B" || head == "P" || head == "S" || head == "O") {
            vb::Integer number = 0;
            try {
                number = LineNumber(line);
            } catch (const vb::Error& e) {
                // A number outside 16 bits: the line cannot run; the script ends as after a bad line.
                Sys_Show_Error(e);
                return;
            }
            if (head == "S") Event_Play("PLAY_SOU", number, "");
            else if (head == "O") Event_Play("PLAY_MID", number, "");
            else Talk_Show_Pic(number);
        } else if (head == "M") {
            ShowMessage(line, In_strParam);
        } else if (head == "E") {
            Sys_Wait(100);
            return;
        } else if (head == "Z") {
            RunEnding();
        } else {
            Sys_MsgBox("頭文字なし エラー!");
            return;
        }
    }
}

void Event_Wait_Confirm() {
    glngClickAck = 0;
    Sys_Wait(100);
    for (;;) {
        platform::Pump_DoEvents();
        if (gblnPadReady != vb::kFalse) KeyPad_Case1_Main();
        Sys_Wait(glngFrameTime);
        if (glngClickAck >= 10000) break;
        Mid_Check_Loop(vb::kTrue);
    }
    glngClickAck = 0;
    platform::Trace_Write("confirm");
}
