#include "story_fixture.h"

#include <filesystem>
#include <sstream>

#include "core/G_modGameInfo.h"
#include "core/G_modManage_Media.h"
#include "core/frmMain.h"
#include "core/modEvent.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "platform/scripted_host.h"
#include "platform/trace.h"

namespace story_test {

namespace {

constexpr std::uint32_t kGiveUpMs = 20 * 60 * 1000;  // a test that waits this long waits forever

void CopyDemoPicture(const std::string& gameDir, const std::string& name) {
    std::filesystem::copy_file(std::string(ZOVE_SOURCE_DIR) + "/game/pic/" + name, gameDir + "/pic/" + name,
                               std::filesystem::copy_options::overwrite_existing);
}

}  // namespace

std::string MessageText(const std::string& utf8) {
    return "text " + platform::Trace_Quote(utf8) + " 60 375 586 552 10 " + std::to_string(0 + 89 * 256 + 245 * 65536) +
           " 0";
}

void StoryTest::SetUp() {
    HostTest::SetUp();
    gstrGameDir = dir_.Path() + "/";
    dir_.Write("pic/pic.ini",
               "[PIC]\r\n"
               "7001=story_msg.png:40:362:560:112\r\n"
               "7202=story_face_haru.png:40:246:112:112\r\n"
               "8001=story_end.png:0:0:640:480\r\n"
               "9998=story_thanks.png:0:0:640:480\r\n"
               "9999=bye.png:120:170:400:140\r\n");
    for (const char* name : {"story_msg.png", "story_face_haru.png", "story_end.png", "story_thanks.png", "bye.png"}) {
        CopyDemoPicture(dir_.Path(), name);
    }
    dir_.Write("mid/mid.ini", "[MID]\r\n3=song.mid\r\n");
    dir_.Write("mid/song.mid", "MThd");
    dir_.Write("sound/sound.ini", "[SOUND]\r\n");
    WriteSys("[BASIS]\r\n");

    glngFrameTime = 16;
    gblnPadReady = vb::kFalse;
    glngClickAck = 0;
    gudtGame = typGameData{};
    gintMusicShop = 0;

    frmMain_Unload();
    frmMain_Show();
    frmMainWindow& w = frmMain();
    w.mblnLoaded = vb::kTrue;
    // As inside a running handler: a press only confirms, it reaches no handler.
    w.mintBusy = 1;
    Manage_Init(w.Form, w.Pic);
    Event_Init();
    gintGameState = 10;  // a state that ignores every input

    host().SetIdleHook([](platform::ScriptedHost& h) -> std::uint32_t {
        if (h.Ticks() > kGiveUpMs) throw platform::ScriptFailure{"the game waits for input that never comes"};
        return UINT32_MAX;
    });
    platform::Trace_CaptureStart();
}

void StoryTest::TearDown() {
    platform::Trace_CaptureTake();
    frmMain_Unload();
    glngFrameTime = 16;
    gstrGameDir.clear();
    HostTest::TearDown();
}

void StoryTest::WriteTalk(const std::string& utf8) const { dir_.WriteSjis("eve/A_TALK_FILE.ini", utf8); }
void StoryTest::WriteSys(const std::string& utf8) const { dir_.WriteSjis("eve/A_SYS_FILE.ini", utf8); }

void StoryTest::Click(std::uint32_t at, int button) {
    platform::InputEvent e;
    e.type = platform::EventType::MouseDown;
    e.button = button;
    e.x = 320;
    e.y = 240;
    host().Queue(e, at);
    platform::InputEvent up = e;
    up.type = platform::EventType::MouseUp;
    host().Queue(up, at);
}

void StoryTest::Key(std::uint32_t at, int key) {
    platform::InputEvent e;
    e.type = platform::EventType::KeyDown;
    e.key = key;
    host().Queue(e, at);
}

std::vector<TraceLine> StoryTest::Take() {
    std::vector<TraceLine> out;
    std::istringstream in(platform::Trace_CaptureTake());
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t sp = line.find(' ');
        TraceLine t;
        t.at = static_cast<std::uint32_t>(std::stoul(line.substr(0, sp)));
        t.text = sp == std::string::npos ? std::string() : line.substr(sp + 1);
        out.push_back(std::move(t));
    }
    return out;
}

std::vector<TraceLine> StoryTest::Starting(const std::vector<TraceLine>& lines, const std::string& prefix) {
    std::vector<TraceLine> out;
    for (const TraceLine& l : lines) {
        if (l.text.compare(0, prefix.size(), prefix) == 0) out.push_back(l);
    }
    return out;
}

bool StoryTest::Has(const std::vector<TraceLine>& lines, const std::string& text) { return Find(lines, text) >= 0; }

int StoryTest::Find(const std::vector<TraceLine>& lines, const std::string& text, int from) {
    for (int i = from < 0 ? 0 : from; i < static_cast<int>(lines.size()); ++i) {
        if (lines[static_cast<std::size_t>(i)].text == text) return i;
    }
    return -1;
}

std::vector<std::string> StoryTest::Boxes() const {
    std::vector<std::string> out;
    for (const auto& m : host_->Messages()) out.push_back(m.text);
    return out;
}

platform::Colour StoryTest::Shown(int x, int y) const { return host_->LastPresented().Get(x, y); }

}  // namespace story_test
