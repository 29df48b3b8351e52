// Pictures the right way up on the real screen: a stage picture through the
// stage's tiler, a creature frame through its file, a menu picture through
// the renderer's loader, each read back from Krellin's window. Every picture
// has a different colour in each corner region, so a flip either way or a
// tile in the wrong place shows as a wrong colour at a known spot.
#include <sys/stat.h>

#include <functional>
#include <string>

#include "fight/Fondo.h"
#include "sdk/Bicho.h"
#include "base/Bmp.h"
#include "tests/renderer_gl/KrellinFixture.h"

namespace {

typedef std::function<Rgba(int x, int yFromTop)> ColourAt;

BmpImage Picture(int width, int height, int bytesPerPixel, const ColourAt& colour) {
    BmpImage image{width, height, bytesPerPixel, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int i = 0; i < bytesPerPixel; ++i) image.pixels.push_back(colour(x, y)[i]);
    return image;
}

// Four quadrant colours: top left, top right, bottom left, bottom right.
const Rgba kQuadrants[4] = {{230, 40, 40, 255}, {40, 220, 40, 255}, {40, 40, 230, 255},
                            {230, 220, 40, 255}};

Rgba Quadrant(int x, int y, int side) { return kQuadrants[(y >= side / 2) * 2 + (x >= side / 2)]; }

class OnScreenOrientationTest : public KrellinTest {
protected:
    // The quadrant colours at the centres of the quadrants of a screen
    // rectangle given in screen fractions.
    void ExpectQuadrants(float x, float y, float w, float h, const char* what) {
        for (int q = 0; q < 4; ++q) {
            const float cx = x + w * (q % 2 ? 0.75f : 0.25f), cy = y + h * (q / 2 ? 0.75f : 0.25f);
            EXPECT_TRUE(Near(At(cx, cy), kQuadrants[q], 6)) << what << ", quadrant " << q;
        }
    }
    void Screenshot(const char* name) {
        saveScreenshot_(renderer_, (std::string(CORRALON_TEST_BIN_DIR "/") + name).c_str());
    }
};

TEST_F(OnScreenOrientationTest, StageCreatureAndMenuPicturesAreTheRightWayUpWhereTheyBelong) {
    Start();
    ASSERT_EQ(mkdir("logs", 0755), 0);
    ASSERT_EQ(mkdir("bmp", 0755), 0);

    // The stage: 2 x 2 tiles over the whole screen. Inside each 256-line
    // band the top and bottom halves differ, and so do left and right.
    auto band = [](int x, int y) {
        const int red = x % 256 < 128 ? 40 : 240;
        const int green = (y / 256) * 120 + (y % 256 < 128 ? 60 : 0) + 30;
        const int blue = x < 256 ? 30 : 230;
        return Rgba{red, green, blue, 255};
    };
    ASSERT_TRUE(WriteBmp("fondo.bmp", Picture(512, 512, 3, band)));
    TestFolder::Write("fondo.txt", "[fondo]\nimagen = fondo.bmp\n");
    {
        Fondo stage;
        stage.Load("fondo.txt", renderer_, nullptr, nullptr, nullptr);
        ASSERT_EQ(stage.geometry->columns, 2);
        ASSERT_EQ(stage.geometry->rows, 2);
        stage.Draw(0.0f);
        for (int y = 64; y < 512; y += 128)
            for (int x = 64; x < 512; x += 128)
                EXPECT_TRUE(Near(At(x / 512.0f, y / 512.0f), band(x, y), 6))
                    << "stage picture at " << x << "," << y;
        Screenshot("orientation_stage.png");
        renderer_->Present();
        stage.Release();
    }

    // A creature frame, written to a file and drawn from it facing right,
    // its feet at (0.5, 0.7).
    const int side = 64;
    const ColourAt quadrants = [side](int x, int y) { return Quadrant(x, y, side); };
    {
        Bicho* made = CreateBicho();
        made->Init(nullptr, renderer_, nullptr, nullptr, nullptr, nullptr);
        made->SetName("ORIENTA");
        made->AddAnimation(0, 0, 0, "", "ANI_BASE1");
        const BmpImage rgba = Picture(side, side, 4, quadrants);
        const int texture = static_cast<int>(
            renderer_->CreateTexture(rgba.pixels.data(), side, side, 4, "cuadrantes"));
        made->AddFrame(0.2f, 0.4f, texture, 0, 0, 0.4f, 0.4f, 0, 0, 0.4f, 0.4f, 0, 0, 0, 0, 0, 0,
                       1000.0f);
        ASSERT_EQ(made->Save("orienta.qvl"), 0);
        made->Release();
        DestroyBicho(made);
    }
    {
        Bicho* creature = CreateBicho();
        creature->Init(nullptr, renderer_, nullptr, nullptr, nullptr, nullptr);
        creature->Load("orienta.qvl");
        creature->Reset();
        creature->SetX(0.5f);
        creature->SetY(0.7f);
        creature->SetGround(0.7f);
        creature->SetFacing(1);
        creature->Draw(0.0f, 0.0f, 0.0f);
        ExpectQuadrants(0.3f, 0.3f, 0.4f, 0.4f, "creature frame");
        Screenshot("orientation_creature.png");
        renderer_->Present();
        creature->Release();
        DestroyBicho(creature);
    }

    // A menu picture loaded by the renderer from its file.
    ASSERT_TRUE(WriteBmp("bmp/cuadrantes.bmp", Picture(side, side, 3, quadrants)));
    const TextureHandle picture = renderer_->LoadTexture("bmp\\cuadrantes.bmp");
    ASSERT_NE(picture, 0u);
    renderer_->DrawImage(0.1f, 0.2f, 0.5f, 0.6f, picture, 1, 1, 1, 1);
    ExpectQuadrants(0.1f, 0.2f, 0.5f, 0.6f, "menu picture");
    Screenshot("orientation_menu.png");
    renderer_->Present();
    renderer_->ReleaseTexture(picture);
}

}  // namespace
