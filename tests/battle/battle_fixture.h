// A battle in a temporary game folder: the main window shown and bound as after loading, small
// pictures for every number the battle draws, an enemy file with groups and music, and tables set
// up by each test. The idle hook plays the player: it clicks now and then (which only confirms,
// as inside a running handler) and ends the field loop a won battle returns to.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/modBattle.h"
#include "common/C_modSystem.h"
#include "common/random.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage.h"
#include "core/G_modManage_Media.h"
#include "core/core_fixture.h"
#include "core/frmMain.h"
#include "core/modEvent.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "platform/scripted_host.h"
#include "platform/trace.h"
#include "support/test_support.h"

namespace battle_test {

inline constexpr std::uint32_t kGiveUpMs = 600000;

// Marker colours of the test pictures, so a screenshot shows which picture went where.
inline constexpr platform::Colour kEnemyColour = platform::Rgb(200, 40, 40);
inline constexpr platform::Colour kPanelColour = platform::Rgb(40, 90, 200);

class BattleTest : public testing_support::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        gstrGameDir = dir_.Path() + "/";
        glngFrameTime = 1;
        WriteMedia();
        WriteEnemyFile("");
        gudtGame = typGameData{};
        for (int i = 0; i <= 50; ++i) {
            gudtWeapon(i) = typWeapon{};
            gudtAcce(i) = typItem{};
            gudtEnemy(i) = typEnemy{};
        }
        typCharacter& c = gudtGame.udtC1;
        c.strSName = "ハル";
        c.lngLv = 1;
        c.lngHp = 30;
        c.lngMhp = 30;
        c.lngAt = 10;
        c.lngDf = 3;
        SetWeapon(1, "じょうろ", 6, 0, 10, 0);
        c.intWeNo(1) = 1;
        c.intWeTama(1) = 5;
        SetEnemy(1, "アブラムシ", 20, 4, 1);

        frmMain_Unload();
        frmMain_Show();
        frmMainWindow& w = frmMain();
        w.mblnLoaded = vb::kTrue;
        w.mintBusy = 1;  // inside a running handler: a press only confirms
        Manage_Init(w.Form, w.Pic);
        Event_Init();
        Battle_Init();
        gintGameState = 10;
        host().SetIdleHook([](platform::ScriptedHost& h) -> std::uint32_t {
            if (h.Ticks() > kGiveUpMs) throw platform::ScriptFailure{"the battle waits for ever"};
            // Back on the field after a victory: end the field loop at once (state 10 takes no input).
            if (gintGameState == 5) gintGameState = 10;
            if (!h.PendingInput()) {
                platform::InputEvent e;
                e.type = platform::EventType::MouseDown;
                e.button = platform::kButtonLeft;
                e.x = 320;
                e.y = 240;
                h.Queue(e, h.Ticks() + 250);
                platform::InputEvent up = e;
                up.type = platform::EventType::MouseUp;
                h.Queue(up, h.Ticks() + 250);
            }
            return h.Ticks() + 250;
        });
        platform::Trace_CaptureStart();
    }

    void TearDown() override {
        platform::Trace_CaptureTake();
        vb::Rnd_Script({});
        frmMain_Unload();
        gobjMainForm = nullptr;
        gobjBackPic = nullptr;
        mfrmBattle = nullptr;
        glngFrameTime = 16;
        gstrGameDir.clear();
        HostTest::TearDown();
    }

    // A 4 x 4 picture file for every battle number; enemies are drawn red, panels blue.
    void WriteMedia() {
        std::string ini = "[PIC]\r\n";
        auto add = [&](int no, int x, int y, int w, int h, platform::Colour c) {
            const std::string name = "p" + std::to_string(no) + ".bmp";
            dir_.Write("pic/" + name, core_test::BmpBytes(w, h, [c](int, int) { return c; }));
            ini += std::to_string(no) + "=" + name + ":" + std::to_string(x) + ":" + std::to_string(y) + ":" +
                   std::to_string(w) + ":" + std::to_string(h) + "\r\n";
        };
        add(3000, 5, 330, 4, 4, kPanelColour);
        add(3001, 198, 330, 4, 4, kPanelColour);
        for (int k = 0; k < 3; ++k) add(3002 + k, 138 * k + 6, 65, 4, 4, kPanelColour);
        add(3005, 489, 65, 4, 4, kPanelColour);
        for (int n = 3101; n <= 3107; ++n) add(n, 490, 240, 4, 4, kPanelColour);
        for (int n = 5001; n <= 5003; ++n) add(n, 0, 0, 4, 4, kEnemyColour);
        for (int f = 1; f <= 6; ++f) {
            for (int i = 1; i <= 4; ++i) add(4000 + 10 * f + i, 0, 0, 4, 4, kPanelColour);
        }
        dir_.WriteSjis("pic/pic.ini", ini);
        dir_.WriteSjis("mid/mid.ini", "[MID]\r\n");
        dir_.WriteSjis("sound/sound.ini", "[SOUND]\r\n");
    }

    // BASIS with music 10..13, group 1 = enemy 1 in slot 2, plus the extra sections given.
    void WriteEnemyFile(const std::string& extra) {
        dir_.WriteSjis("eve/A_ENEMY_FILE.ini",
                       "[BASIS]\r\nMUSIC1=10\r\nMUSIC2=11\r\nMUSIC3=12\r\nMUSIC_D=13\r\n"
                       "[E_1]\r\nE_NO_1=0\r\nE_NO_2=1\r\nE_NO_3=0\r\n" +
                           extra);
    }

    static void SetWeapon(int no, const std::string& name, int formula, int attr, int power, int all) {
        typWeapon& w = gudtWeapon(no);
        w.strName = name;
        w.intFormula = static_cast<vb::Integer>(formula);
        w.intAttr = static_cast<vb::Integer>(attr);
        w.lngPower = power;
        w.intAll = static_cast<vb::Integer>(all);
        w.intTama = 10;
    }

    static void SetEnemy(int no, const std::string& name, int hp, int at, int df, int act2 = 0, int act3 = 0) {
        typEnemy& e = gudtEnemy(no);
        e.strFoeName = name;
        e.intPicNo = static_cast<vb::Integer>(5000 + (no - 1) % 3 + 1);
        e.intWidth = 40;
        e.intHeight = 30;
        e.lngHp = hp;
        e.lngMhp = hp;
        e.lngAt = at;
        e.lngDf = df;
        e.strAct1 = "かみつき";
        e.intAct2 = static_cast<vb::Integer>(act2);
        e.strAct2 = "わざ2";
        e.intAct3 = static_cast<vb::Integer>(act3);
        e.strAct3 = "わざ3";
        e.intExp = 3;
        e.lngPom = 5;
    }

    // Puts table enemy e into a fresh slot k directly, as a group's set-up does.
    static void Place(int k, int e) {
        mudtFoe(k) = typBattleEnemy{};
        Battle_Place_Foe(k, static_cast<vb::Integer>(e));
    }

    static void ClearSlots() {
        for (int k = 1; k <= 3; ++k) mudtFoe(k) = typBattleEnemy{};
    }

    // A fresh battle state without the set-up's drawing.
    static void Fresh() {
        ClearSlots();
        glngBattleAtUp = 0;
        glngBattleDfUp = 0;
        mintTurn = 0;
        mstrBattleMsg.clear();
        mintMsgLines = 0;
        Battle_Reset_Reports();
    }

    static std::vector<std::string> Trace() { return core_test::TakeTrace(); }

    // The texts drawn into the message window, in order (the newest line of each page).
    static std::vector<std::string> MessageLines(const std::vector<std::string>& trace) {
        std::vector<std::string> out;
        for (const auto& l : trace) {
            if (l.rfind("text \"", 0) != 0 || l.find("\" 205 341 460 420 ") == std::string::npos) continue;
            std::string body = l.substr(6, l.find("\" 205 341 460 420 ") - 6);
            const auto br = body.rfind("\\r\\n");
            out.push_back(br == std::string::npos ? body : body.substr(br + 4));
        }
        return out;
    }

    static bool Has(const std::vector<std::string>& lines, const std::string& line) {
        return core_test::Contains(lines, line);
    }
    static bool InOrder(const std::vector<std::string>& lines, const std::vector<std::string>& wanted) {
        return core_test::InOrder(lines, wanted);
    }
    static int Count(const std::vector<std::string>& lines, const std::string& line) {
        int n = 0;
        for (const auto& l : lines) n += l == line ? 1 : 0;
        return n;
    }
    platform::Surface& Screen() { return frmMain_Form().image; }
};

}  // namespace battle_test
