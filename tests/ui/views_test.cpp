// The colour swatch, the image view and the video view each draw over their
// own rectangle, wherever they are placed.
#include <gtest/gtest.h>

#include "control_frame.h"
#include "image/image_library.h"
#include "media/avi_test_file.h"
#include "media/video.h"
#include "support/script_run.h"
#include "ui/control_types.h"

namespace {

const Pixel kBackground{64, 64, 64, 255};

class ViewDrawing : public ControlFrameTest {
  protected:
    // A view of `type` at (30, 40), 32x24, showing `id`.
    ui::Control* place(int type, int id) {
        ui::Control* view = ui::createControl(type, nullptr);
        ui::setPosition(view, 30, 40);
        ui::setSize(view, 32, 24);
        ui::setInt(view, id);
        return view;
    }
    // Its top half in one colour, its bottom half in another, nothing around
    // it nor at twice its offset.
    void expectOnlyAtItsPlace(const Pixel& top, const Pixel& bottom) {
        EXPECT_TRUE(sameColour(pixel(34, 44), top));
        EXPECT_TRUE(sameColour(pixel(57, 59), bottom));
        for (auto [x, y] : {std::pair{29, 40}, {62, 50}, {40, 39}, {40, 64}, {61, 81}})
            EXPECT_TRUE(sameColour(pixel(x, y), kBackground)) << x << "," << y;
    }
};

TEST_F(ViewDrawing, TheSwatchIsMagentaAndTheImageViewShowsItsPictureFromItsCorner) {
    const Pixel magenta{255, 0, 255, 255};
    place(ui::kColourSwatchType, 0);
    // 32x24: rows from 0, drawn lowest, blue up to the middle, then red.
    ImageRecord picture{.width = 32, .height = 24, .depth = 3};
    for (int i = 0; i < 32 * 24; ++i)
        picture.pixels.insert(picture.pixels.end(),
                              {uint8_t(i < 32 * 12 ? 0 : 255), 0, uint8_t(i < 32 * 12 ? 255 : 0)});
    uint16_t id = Images().Add(std::move(picture));
    render();
    expectOnlyAtItsPlace(magenta, magenta);
    ui::destroyAllControls();
    place(ui::kImageViewType, id);
    render();
    expectOnlyAtItsPlace({255, 0, 0, 255}, {0, 0, 255, 255});
    ImageDelete(id);
}

TEST_F(ViewDrawing, TheVideoViewStretchesTheFrameUprightAndAnUnknownVideoShowsNothing) {
    SetBgrUpload(true);
    const std::string path = MakeWorkDir() + "/clip.avi";
    WriteFile(path, MakeUncompressedAvi(16, 16, 1, 10));
    uint32_t id = OpenVideo(path.c_str(), 16, 16, false);
    ASSERT_NE(id, 0u);
    place(ui::kVideoViewType, int(id));
    ui::setPosition(place(ui::kVideoViewType, int(id) + 1), 100, 100);
    BindVideoTexture(id); // what an unknown video would otherwise show
    render();
    auto colour = [](Rgb rgb) { return Pixel{rgb.r, rgb.g, rgb.b, 255}; };
    expectOnlyAtItsPlace(colour(TopColour(0)), colour(BottomColour(0)));
    EXPECT_TRUE(sameColour(pixel(110, 110), kBackground));
    CloseVideo(id);
}

} // namespace
