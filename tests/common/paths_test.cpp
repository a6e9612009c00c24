#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "common/paths.h"
#include "support/test_support.h"

namespace {

using testing_support::TempDir;

TEST(Paths, WindowsPathsResolveWhateverTheirCase) {
    TempDir d;
    d.Write("game/eve/a_sys_file.ini", "x");
    d.Write("game/Pic/Title.BMP", "x");
    EXPECT_EQ(vb::Path_Resolve(d.Path() + "\\game\\EVE\\A_SYS_FILE.INI"), d.File("game/eve/a_sys_file.ini"));
    EXPECT_EQ(vb::Path_Resolve(d.Path() + "/GAME/pic/title.bmp"), d.File("game/Pic/Title.BMP"));
    EXPECT_TRUE(vb::Path_FileExists(d.Path() + "\\Game\\Eve\\A_Sys_File.ini"));
    EXPECT_TRUE(vb::Path_DirExists(d.Path() + "\\GAME\\PIC\\"));
    EXPECT_FALSE(vb::Path_FileExists(d.Path() + "\\game\\eve\\missing.ini"));
}

TEST(Paths, ExactMatchWinsOverFoldedOne) {
    TempDir d;
    d.Write("dir/Save.ini", "a");
    d.Write("dir/save.ini", "b");
    EXPECT_EQ(vb::Path_Resolve(d.Path() + "/dir/save.ini"), d.File("dir/save.ini"));
    EXPECT_EQ(vb::Path_Resolve(d.Path() + "/dir/Save.ini"), d.File("dir/Save.ini"));
}

TEST(Paths, DotsAndMissingComponents) {
    TempDir d;
    d.Write("Game/eve/x.txt", "x");
    EXPECT_EQ(vb::Path_Resolve(d.Path() + "\\game\\.\\mid\\..\\EVE\\X.TXT"), d.File("Game/eve/x.txt"));
    // A file that does not exist yet keeps its written name below the resolved folders.
    EXPECT_EQ(vb::Path_Resolve(d.Path() + "\\GAME\\save\\1.dat"), d.File("Game/save/1.dat"));
}

TEST(Paths, NewFilesAreSeenAfterTheCacheWasFilled) {
    TempDir d;
    d.Write("g/a.txt", "x");
    EXPECT_FALSE(vb::Path_FileExists(d.Path() + "/g/B.TXT"));
    // Written behind the cache's back; file times are coarse, so let the clock move on first.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ofstream(d.File("g/b.txt")) << "y";
    EXPECT_TRUE(vb::Path_FileExists(d.Path() + "/g/B.TXT"));
}

}  // namespace
