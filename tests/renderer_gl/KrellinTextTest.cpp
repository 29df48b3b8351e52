// Text with the font picture.
#include <string>
#include <vector>

#include "base/Files.h"
#include "plugins/renderer_common/Picture.h"
#include "tests/renderer_gl/KrellinFixture.h"

namespace {

struct Box {
    int left = 100000, top = 100000, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
};

}  // namespace

class KrellinTextTest : public KrellinTest {
protected:
    // Bounds of every lit pixel of the frame.
    Box LitBox() {
        std::vector<unsigned char> p(800 * 600 * 4);
        EXPECT_EQ(readPixels_(renderer_, 0, 0, 800, 600, p.data()), 1);
        Box box;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                const unsigned char* q = &p[(y * 800 + x) * 4];
                if (q[0] + q[1] + q[2] < 200) continue;
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
        return box;
    }
};

TEST_F(KrellinTextTest, TextPutsTintedPixelsDownFromTheTopLeftCorner) {
    Start();
    SetTestFont();
    renderer_->SetOverlayMode(1, 1);
    renderer_->DrawText(0.25f, 0.5f, 2.0f, 1, 0, 0, 1, "%s %d", "HOLA", 42);
    const Box box = LitBox();
    ASSERT_FALSE(box.Empty());
    EXPECT_GE(box.left, 200);
    EXPECT_LE(box.left, 206);
    EXPECT_GE(box.top, 300);
    EXPECT_LT(box.bottom, 300 + 0.026 * 2 * 600);
    const Rgba lit = Pixel(box.left + 1, box.top + 1);
    EXPECT_GT(lit[0], 200);
    EXPECT_LT(lit[1], 40);
    EXPECT_LT(lit[2], 40);
}

TEST_F(KrellinTextTest, SpacesAdvanceButDrawNothingAndNoFontDrawsNothing) {
    Start();
    renderer_->SetOverlayMode(1, 1);
    renderer_->DrawText(0.1f, 0.1f, 3.0f, 1, 1, 1, 1, "SIN FUENTE");
    EXPECT_TRUE(LitBox().Empty());
    SetTestFont();
    renderer_->DrawText(0.1f, 0.1f, 3.0f, 1, 1, 1, 1, "     ");
    renderer_->DrawText(0.1f, 0.1f, 0.0f, 1, 1, 1, 1, "CERO");
    renderer_->DrawText(0.1f, 0.1f, 3.0f, 1, 1, 1, 1, nullptr);
    EXPECT_TRUE(LitBox().Empty());
    renderer_->DrawText(0.0f, 0.1f, 3.0f, 1, 1, 1, 1, "  I");
    const Box spaced = LitBox();
    ASSERT_FALSE(spaced.Empty());
    EXPECT_GT(spaced.left, 20);
}

TEST_F(KrellinTextTest, CentredTextIsCentredAndProportional) {
    Start();
    SetTestFont();
    renderer_->SetOverlayMode(1, 1);
    renderer_->DrawTextCentered(0.5f, 0.4f, 3.0f, 1, 1, 1, 1, "IIIIII");
    const Box narrow = LitBox();
    renderer_->Present();
    renderer_->DrawTextCentered(0.5f, 0.4f, 3.0f, 1, 1, 1, 1, "MMMMMM");
    const Box wide = LitBox();
    ASSERT_FALSE(narrow.Empty());
    ASSERT_FALSE(wide.Empty());
    EXPECT_NEAR((narrow.left + narrow.right) / 2.0, 400.0, 4.0);
    EXPECT_NEAR((wide.left + wide.right) / 2.0, 400.0, 4.0);
    EXPECT_LT(narrow.right - narrow.left, (wide.right - wide.left) * 3 / 4)
        << "glyphs are not proportionally spaced";
}

TEST_F(KrellinTextTest, NewlineStartsTheNextLineBelow) {
    Start();
    SetTestFont();
    renderer_->SetOverlayMode(1, 1);
    renderer_->DrawText(0.1f, 0.1f, 2.0f, 1, 1, 1, 1, "A\nB");
    const Box box = LitBox();
    EXPECT_GT(box.bottom - box.top, 0.026 * 2 * 600);
}

// The longest lines the game draws fit the screen, with the generated font
// when it is there, else with the block font.
TEST_F(KrellinTextTest, LongestGameLinesFitTheScreen) {
    Start();
    const std::string generated = std::string(CORRALON_GAME_DIR) + "/bmp/fuenteZeltor.bmp";
    TextureHandle font = 0;
    if (PlatformFileExists(generated.c_str())) {
        font = renderer_->LoadTextureKeyed(generated.c_str(), 0, 255, 0);
        renderer_->SetFontTexture(font);
    }
    if (!font) SetTestFont();
    struct Line {
        float scale;
        const char* text;
    } lines[] = {
        {1.0f, "PARA VOLVER AL JUEGO PULSE INTRO"},
        {0.6f, "MUEVE CON W A S D, GOLPEA CON LAS TECLAS M Y N; PAUSA: ESC ."},
        {7.0f, "ROSALINDAS"},
        {7.0f, "MOSQUETERO"},
        {7.0f, "WAMPIROMAN"},
    };
    renderer_->SetOverlayMode(1, 1);
    for (const Line& line : lines) {
        renderer_->DrawTextCentered(0.5f, 0.3f, line.scale, 1, 1, 1, 1, "%s", line.text);
        const Box box = LitBox();
        ASSERT_FALSE(box.Empty()) << line.text;
        EXPECT_GT(box.left, 0) << line.text << " at " << line.scale;
        EXPECT_LT(box.right, 799) << line.text << " at " << line.scale;
        renderer_->Present();
    }
}

TEST_F(KrellinTextTest, ReleaseFontReleasesItsTexture) {
    Start();
    TextureHandle font = SetTestFont();
    ASSERT_NE(font, 0u);
    renderer_->ReleaseFont();
    int h = -1, w = -1, bpp = -1, flag = -1;
    const char* name = nullptr;
    renderer_->GetTextureInfo(font, &h, &w, &bpp, &name, &flag);
    EXPECT_EQ(w, 0);
    renderer_->SetOverlayMode(1, 1);
    renderer_->DrawText(0.1f, 0.1f, 3.0f, 1, 1, 1, 1, "NADA");
    EXPECT_TRUE(LitBox().Empty());
    renderer_->ReleaseFont();  // twice is harmless
}
