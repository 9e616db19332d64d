// The player's mapping file beside the program: read when there, one line when it gives nothing.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "app/pad_mappings.h"
#include "input/gamepad.h"
#include "tests/support/scratch_folder.h"

namespace {

class PadMappings : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(InitGamepads(), 1); }
    void TearDown() override { ShutdownGamepads(); }
};

TEST_F(PadMappings, AFileThatGivesNoMappingIsOneLineOnStderr)
{
    const ScratchFolder program;
    const auto file = program / PadMappingFileName;
    WriteText(file, "A, B and Start\nare where they ought to be\n");
    testing::internal::CaptureStderr();
    LoadPadMappings(program.Path());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "quorax: no pad mapping from \"" + file.string() + "\" (no line in it is a mapping ending in platform:" +
                  SDL_GetPlatform() + ",); the game goes on with SDL's own\n");
}

TEST_F(PadMappings, NothingIsSaidWithoutTheFileOrWithoutAKnownProgramFolder)
{
    ScratchFolder program;
    testing::internal::CaptureStderr();
    LoadPadMappings(program.Path());
    // An unknown folder is not the working directory, whatever that holds.
    WriteText(program / PadMappingFileName, "garbage\n");
    program.Enter();
    LoadPadMappings({});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
