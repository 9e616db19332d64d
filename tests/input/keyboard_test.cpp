#include <gtest/gtest.h>

#include "input/keyboard.h"

TEST(Keyboard, ScriptedKeysFeedTheSnapshotAndTheInstantQuery) {
    uint8_t keys[256] = {};
    keys[DIK_SPACE] = 0x80;
    keys[DIK_RMENU] = 0x01;  // any non-zero byte is a held key
    keys[DIK_F3] = 0x01;
    UseScriptedKeys(keys);
    ReadKeyboard();
    EXPECT_EQ(KeyState[DIK_SPACE], 0x80);
    EXPECT_EQ(KeyState[DIK_RMENU], 0x01);
    EXPECT_EQ(KeyState[DIK_LEFT], 0);
    EXPECT_TRUE(KeyDownNow(VK_F3));
    EXPECT_FALSE(KeyDownNow(VK_F4));
    EXPECT_FALSE(KeyDownNow(VK_ESCAPE));

    // The script is read on every query, so a test can change it between frames.
    keys[DIK_ESCAPE] = 0x80;
    keys[DIK_RETURN] = 0x80;
    EXPECT_TRUE(KeyDownNow(VK_ESCAPE));
    EXPECT_TRUE(KeyDownNow(VK_RETURN));
    EXPECT_FALSE(KeyDownNow(0x41));  // a key the game never polls
    UseScriptedKeys(nullptr);
}

TEST(Keyboard, EveryPolledVirtualKeyReadsItsOwnKeyCode) {
    const int virtualKeys[] = {VK_ESCAPE, VK_RETURN, VK_F1, VK_F2, VK_F3, VK_F4, VK_F5, VK_P, VK_PAUSE};
    const int codes[] = {DIK_ESCAPE, DIK_RETURN, DIK_F1, DIK_F2, DIK_F3, DIK_F4, DIK_F5, DIK_P, DIK_PAUSE};
    for (int i = 0; i < 9; ++i) {
        uint8_t keys[256] = {};
        keys[codes[i]] = 0x80;
        UseScriptedKeys(keys);
        for (int j = 0; j < 9; ++j) EXPECT_EQ(KeyDownNow(virtualKeys[j]), i == j) << i << " " << j;
    }
    UseScriptedKeys(nullptr);
}

TEST(Keyboard, SdlSourceWithNoKeysHeldLeavesTheSnapshotClear) {
    uint8_t keys[256];
    std::fill(std::begin(keys), std::end(keys), 0x80);
    UseScriptedKeys(keys);
    ReadKeyboard();
    UseScriptedKeys(nullptr);
    ASSERT_EQ(InitKeyboard(), 1);
    ReadKeyboard();
    for (int code = 0; code < 256; ++code) EXPECT_EQ(KeyState[code], 0) << code;
    EXPECT_FALSE(KeyDownNow(VK_ESCAPE));
    ShutdownKeyboard();
}
