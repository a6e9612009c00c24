#include "field_fixture.h"

#include <filesystem>
#include <sstream>

#include "core/G_modGameInfo.h"
#include "core/G_modManage.h"
#include "core/G_modManage_Media.h"
#include "core/frmMain.h"
#include "core/modEvent.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "field/frmFile.h"
#include "platform/scripted_host.h"
#include "platform/trace.h"

namespace field_test {

namespace {

constexpr std::uint32_t kGiveUpMs = 20 * 60 * 1000;

// Tiles: '.' free, 'W' wall, '1'..'4' closed from that direction, 'a'/'b'/'c' free switch looks.
constexpr const char* kTiles =
    ".=0:0:0\r\nW=1:0:5\r\n1=2:0:1\r\n2=3:0:2\r\n3=4:0:3\r\n4=5:0:4\r\n5=6:0:5\r\n"
    "a=0:1:5\r\nb=1:1:0\r\nc=2:1:5\r\nm=3:1:5\r\n";

constexpr const char* kTalk =
    "[IT_GET]\r\n1=M%s GET\r\n2=E\r\n[IT_NOTGET]\r\n1=MFULL\r\n2=E\r\n[POM_GET]\r\n1=M%s POM\r\n2=E\r\n"
    "[TRAP_GET]\r\n1=M%s TRAP\r\n2=E\r\n[TARE_NOT]\r\n1=MNOT\r\n2=E\r\n[T_HELLO]\r\n1=MHELLO\r\n2=E\r\n"
    "[STAFF_MSG]\r\n1=MSTAFF\r\n2=E\r\n";

}  // namespace

void FieldTest::SetUp() {
    HostTest::SetUp();
    gstrGameDir = dir_.Path() + "/";
    dir_.Write("pic/pic.ini", "[PIC]\r\n");
    dir_.Write("mid/mid.ini", "[MID]\r\n30=field.mid\r\n31=other.mid\r\n");
    dir_.Write("mid/field.mid", "MThd");
    dir_.Write("mid/other.mid", "MThd");
    dir_.Write("sound/sound.ini", "[SOUND]\r\n");
    WriteEve("A_TILE_FILE.txt", kTiles);
    WriteEve("A_TALK_FILE.ini", kTalk);
    WriteEve("A_MAP_FILE.ini",
             "[GARDEN]\r\nMUSIC=30\r\nMAPNO=1\r\nX=10\r\nY=10\r\nEVENAME=庭\r\n"
             "[WOOD]\r\nMUSIC=31.7\r\nMAPNO=2\r\nX=3\r\nY=4\r\nEVENAME=森\r\n");

    glngFrameTime = 16;
    gblnPadReady = vb::kFalse;
    glngClickAck = 0;
    gudtGame = typGameData{};
    gudtGame.udtProgress.lngSpeed = 1;
    gudtGame.udtC1.lngHp = 30;
    gblnSkipMapMusic = vb::kFalse;
    gblnUseRecordPos = vb::kFalse;
    mblnRequestPending = vb::kFalse;
    mblnInputReady = vb::kFalse;
    mintEventEnemy = 0;
    mblnScreenReady = vb::kFalse;

    frmMain_Unload();
    frmMain_Show();
    frmMainWindow& w = frmMain();
    w.mblnLoaded = vb::kTrue;
    w.mintBusy = 1;
    Manage_Init(w.Form, w.Pic);
    Event_Init();
    frmFile().blnLoaded = false;  // a test may have painted over the sheets
    Map_Init();
    gintGameState = 5;

    host().SetIdleHook([](platform::ScriptedHost& h) -> std::uint32_t {
        if (h.Ticks() > kGiveUpMs) throw platform::ScriptFailure{"the game waits for input that never comes"};
        return UINT32_MAX;
    });
    platform::Trace_CaptureStart();
}

void FieldTest::TearDown() {
    platform::Trace_CaptureTake();
    frmMain_Unload();
    gstrGameDir.clear();
    mblnScreenReady = vb::kFalse;
    HostTest::TearDown();
}

void FieldTest::WriteEve(const std::string& name, const std::string& utf8) const {
    dir_.WriteSjis("eve/" + name, utf8);
}

void FieldTest::WriteScreen(const std::string& name, int no, std::vector<std::string> rows,
                            const std::vector<std::string>& enemies, const std::vector<std::string>& events) const {
    const std::string suffix = name + "_" + std::to_string(no) + ".txt";
    auto join = [](const std::vector<std::string>& lines) {
        std::string s;
        for (const std::string& l : lines) s += l + "\r\n";
        return s;
    };
    WriteEve("MAP_" + suffix, join(rows));
    WriteEve("TEKI_" + suffix, enemies.empty() ? "0:0:0:0:0:0:0:0\r\n" : join(enemies));
    WriteEve("EVENT_" + suffix, events.empty() ? "X:0:0:0\r\n" : join(events));
}

std::vector<std::string> FieldTest::Walled() {
    std::vector<std::string> rows(20, "W..................W");
    rows.front() = std::string(20, 'W');
    rows.back() = std::string(20, 'W');
    return rows;
}

void FieldTest::Enter(const std::string& name) {
    gudtGame.udtProgress.strMapName = name;
    Map_Enter_FromRecord();
}

std::vector<std::string> FieldTest::Take() {
    std::vector<std::string> out;
    std::istringstream in(platform::Trace_CaptureTake());
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t space = line.find(' ');
        out.push_back(space == std::string::npos ? line : line.substr(space + 1));
    }
    return out;
}

bool FieldTest::InOrder(const std::vector<std::string>& lines, const std::vector<std::string>& want) {
    std::size_t i = 0;
    for (const std::string& l : lines) {
        if (i < want.size() && l == want[i]) ++i;
    }
    return i == want.size();
}

std::vector<std::string> FieldTest::Boxes() const {
    std::vector<std::string> out;
    for (const auto& m : host_->Messages()) out.push_back(m.text);
    return out;
}

void FieldTest::QueueKey(platform::ScriptedHost& h, int key, std::uint32_t at) {
    platform::InputEvent e;
    e.type = platform::EventType::KeyDown;
    e.key = key;
    h.Queue(e, at);
}

void FieldTest::QueueClick(platform::ScriptedHost& h, std::uint32_t at) {
    platform::InputEvent e;
    e.type = platform::EventType::MouseDown;
    e.button = platform::kButtonLeft;
    h.Queue(e, at);
}

void FieldTest::Tick() {
    Map_Move_Enemies();
    Map_Advance_Steps();
}

}  // namespace field_test
