// The tile sheets of lands 2 to 5: checked by start-up, and a sheet that goes missing during play
// ends the game naming it instead of showing a land without tiles.
#include <filesystem>
#include <fstream>
#include <string>

#include "app/startup.h"
#include "game/segments.h"
#include "game/tile_set.h"
#include "tests/display/bmp_bytes.h"
#include "tests/game/play_fixture.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// The game's data files copied to a folder of the test's own, which it may damage.
class SheetFolder : public Play {
protected:
    void SetUp() override
    {
        for (const fs::directory_entry& entry : fs::directory_iterator(home)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".BMP" || extension == ".bmp" || extension == ".wav" || extension == ".PAL")
                fs::copy_file(entry.path(), folder / entry.path().filename().string());
        }
        folder.Enter();
    }
    void HalveFile(const std::string& name) const { fs::resize_file(folder / name, fs::file_size(folder / name) / 2); }
    const fs::path home = fs::current_path();
    ScratchFolder folder;
};

}  // namespace

TEST_F(SheetFolder, StartUpRefusesAMissingDamagedOrSmallLaterSheetByName)
{
    fs::remove(folder / "SCROLLTEXTURES2.BMP");
    ASSERT_FALSE(StartSimulator());
    ReleaseDevices();
    EXPECT_EQ(std::string(SimulatorError()),
              "start-up failed: SCROLLTEXTURES2.BMP: cannot open the file (No such file or directory)");
    fs::copy_file(home / "SCROLLTEXTURES2.BMP", folder / "SCROLLTEXTURES2.BMP");

    HalveFile("SCROLLTEXTURES5.BMP");
    ASSERT_FALSE(StartSimulator());
    ReleaseDevices();
    EXPECT_NE(std::string(SimulatorError()).find("SCROLLTEXTURES5.BMP: the file ends after"), std::string::npos)
        << SimulatorError();
    fs::copy_file(home / "SCROLLTEXTURES5.BMP", folder / "SCROLLTEXTURES5.BMP", fs::copy_options::overwrite_existing);

    BmpLayout small;
    small.width = 100;
    small.height = 100;
    small.pixels = std::vector<uint8_t>(100 * 100, 3);
    const auto bytes = Bmp(small);
    std::ofstream(folder / "SCROLLTEXTURES3.BMP", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_FALSE(StartSimulator());
    ReleaseDevices();
    EXPECT_EQ(std::string(SimulatorError()), "start-up failed: SCROLLTEXTURES3.BMP: a tile sheet needs 8-bit pixels "
                                             "and at least 261 x 196 of them, not 8-bit and 100 x 100");
    fs::copy_file(home / "SCROLLTEXTURES3.BMP", folder / "SCROLLTEXTURES3.BMP", fs::copy_options::overwrite_existing);
    EXPECT_TRUE(StartSimulator()) << SimulatorError();
}

TEST_F(SheetFolder, ASheetGoneWhenItsLandBeginsEndsTheGameWithCodeOne)
{
    Play::SetUp();
    Start();
    ClearEnemies();
    const auto* firstTiles = TileSetObject.frames[0];
    fs::remove(folder / "SCROLLTEXTURES2.BMP");
    MoveTo(7000);
    EXPECT_TRUE(RunPass());   // the frame stops at the switch and asks for the end
    EXPECT_FALSE(RunPass());  // which the next pass carries out
    EXPECT_EQ(SimulatorExitCode(), 1);
    EXPECT_EQ(std::string(TileSetError()), "SCROLLTEXTURES2.BMP: cannot open the file (No such file or directory)");
    EXPECT_FALSE(TileSetLoaded[0]);
    EXPECT_EQ(TileSetObject.frames[0], firstTiles);  // never an empty land
}
