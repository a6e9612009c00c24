// A save interrupted by a kill or a full disk leaves the old slot or the new one, never a mixture.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "save_fixture.h"

namespace {

TEST_F(SaveTest, KillDuringSavesLeavesOneWholeRecord) {
    typGameData longer = FullRecord();
    typGameData shorter;
    shorter.udtProgress.strPlaceName = "村";
    shorter.udtC1.lngLv = 2;
    gudtGame = longer;
    ASSERT_EQ(Manage_Save_Data(1), vb::kTrue);
    const std::string longBytes = DataFile_Encode(longer);
    std::string shortBytes = DataFile_Encode(shorter);
    shortBytes += longBytes.substr(shortBytes.size());  // the old file's tail stays

    for (int round = 0; round < 8; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                gudtGame = i % 2 == 0 ? shorter : longer;
                if (Manage_Save_Data(1) == vb::kFalse) _exit(3);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + 7 * round));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself";
        const std::string now = testing_support::ReadBytes(SlotFile(1));
        EXPECT_TRUE(now == longBytes || now == shortBytes) << "round " << round << ": " << now.size() << " bytes";
        gudtGame = typGameData();
        ASSERT_EQ(Manage_Load_Data(1), vb::kTrue);
        EXPECT_TRUE(gudtGame == longer || gudtGame == shorter);
    }
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(SaveTest, FullDiskLeavesTheOldSlot) {
    gudtGame = FullRecord();
    ASSERT_EQ(Manage_Save_Data(2), vb::kTrue);
    const std::string old = testing_support::ReadBytes(SlotFile(2));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Files may grow to 1000 bytes only: the record cannot be written out.
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit lim {1000, 1000};
        setrlimit(RLIMIT_FSIZE, &lim);
        gudtGame.udtProgress.strPlaceName = "別の場所";
        const vb::Boolean ok = Manage_Save_Data(2);
        const bool told = host().Messages().size() == 2 && host().Messages()[1].text == "セーブ失敗";
        _exit(ok == vb::kFalse && told ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed save was not reported";
    EXPECT_EQ(testing_support::ReadBytes(SlotFile(2)), old);
    // Nothing half-written is left beside the slot.
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir_.File("save"))) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 2);  // 2.dat and save.ini
}

}  // namespace
