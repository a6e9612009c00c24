// Mutated slot files must fail cleanly or load: no crash, no undefined behaviour (run under the
// sanitizers), and a failed load never touches the game record.
#include <gtest/gtest.h>

#include "mutator.h"
#include "save_fixture.h"

namespace {

TEST_F(SaveTest, MutatedSlotFilesNeverCrash) {
    typGameData small;
    small.udtProgress.strPlaceName = "村";
    const std::vector<std::string> seeds = {DataFile_Encode(FullRecord()), DataFile_Encode(typGameData()),
                                            DataFile_Encode(small)};
    Mutator m(20240607u);
    gudtGame.udtC1.strSName = "今のゲーム";
    int loaded = 0;
    RunFor(200, 4000, 1.5, [&](int) {
        const std::string bytes = m.Mutate(seeds);
        // Whatever decodes can be written again: a game loaded from it can still be saved.
        bool decoded = false;
        typGameData d;
        try {
            d = DataFile_Decode(bytes);
            decoded = true;
        } catch (const vb::Error&) {
        }
        if (decoded) {
            EXPECT_NO_THROW((void)DataFile_Encode(d));
        }
        dir_.Write("save/1.dat", bytes);
        const typGameData before = gudtGame;
        if (Manage_Load_Data(1) == vb::kTrue) {
            ++loaded;
            gudtGame = before;
        } else {
            ASSERT_EQ(gudtGame, before);
        }
    });
    EXPECT_GT(loaded, 0);
}

}  // namespace
