// The colour swatch, the image view and the video view: each draws over its
// own rectangle, wherever it is placed.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "control_frame.h"
#include "image/image_library.h"
#include "media/avi_test_file.h"
#include "media/video.h"
#include "support/script_run.h"
#include "ui/control_types.h"

namespace {

using ui::Control;

const Pixel kBackground{64, 64, 64, 255};

class ViewDrawing : public ControlFrameTest {
  protected:
    // A view of `type` at (30, 40), 32x24, showing `id`.
    Control* place(int type, int id) {
        Control* view = ui::createControl(type, nullptr);
        ui::setPosition(view, 30, 40);
        ui::setSize(view, 32, 24);
        ui::setInt(view, id);
        return view;
    }
    // The view covers (30, 40) to (62, 64), its top half in one colour and its
    // bottom half in another, and draws nothing around it nor at twice its offset.
    void expectOnlyAtItsPlace(const Pixel& top, const Pixel& bottom) {
        EXPECT_TRUE(sameColour(pixel(34, 44), top));
        EXPECT_TRUE(sameColour(pixel(57, 59), bottom));
        for (auto [x, y] : {std::pair{29, 40}, {62, 50}, {40, 39}, {40, 64}, {61, 81}})
            EXPECT_TRUE(sameColour(pixel(x, y), kBackground)) << x << "," << y;
    }
};

TEST_F(ViewDrawing, TheSwatchStartsMagentaAtTheOriginTwentyPixelsSquare) {
    Control* swatch = ui::createControl(ui::kColourSwatchType, "swatch");
    EXPECT_EQ(std::tie(swatch->x, swatch->y, swatch->width, swatch->height),
              std::make_tuple(0, 0, 20, 20));
    render();
    EXPECT_TRUE(sameColour(pixel(0, 0), {255, 0, 255, 255}));
    EXPECT_TRUE(sameColour(pixel(19, 19), {255, 0, 255, 255}));
    EXPECT_TRUE(sameColour(pixel(20, 20), kBackground));
    ui::setPosition(swatch, 30, 40);
    ui::setSize(swatch, 32, 24);
    render();
    expectOnlyAtItsPlace({255, 0, 255, 255}, {255, 0, 255, 255});
}

TEST_F(ViewDrawing, TheImageViewShowsItsPictureFromItsTopLeftCorner) {
    // 32x24: rows from 0, drawn lowest, blue up to the middle, then red.
    ImageRecord picture{.width = 32, .height = 24, .depth = 3};
    for (uint32_t row = 0; row < 24; ++row)
        for (uint32_t x = 0; x < 32; ++x)
            picture.pixels.insert(picture.pixels.end(),
                                  {uint8_t(row < 12 ? 0 : 255), 0, uint8_t(row < 12 ? 255 : 0)});
    uint16_t id = Images().Add(std::move(picture));
    place(ui::kImageViewType, id);
    render();
    expectOnlyAtItsPlace({255, 0, 0, 255}, {0, 0, 255, 255});

    ImageDelete(id);
    render();
    EXPECT_TRUE(sameColour(pixel(40, 50), kBackground));
}

TEST_F(ViewDrawing, TheVideoViewStretchesTheFrameUprightAndAnUnknownVideoShowsNothing) {
    SetBgrUpload(true);
    const std::string path = MakeWorkDir() + "/clip.avi";
    WriteFile(path, MakeUncompressedAvi(16, 16, 1, 10));
    uint32_t id = OpenVideo(path.c_str(), 16, 16, false);
    ASSERT_NE(id, 0u);
    place(ui::kVideoViewType, int(id));
    Control* unknown = place(ui::kVideoViewType, int(id) + 1);
    ui::setPosition(unknown, 100, 100);
    render();
    auto colour = [](Rgb rgb) { return Pixel{rgb.r, rgb.g, rgb.b, 255}; };
    expectOnlyAtItsPlace(colour(TopColour(0)), colour(BottomColour(0)));
    // Even with the video's texture still bound.
    BindVideoTexture(id);
    render();
    EXPECT_TRUE(sameColour(pixel(110, 110), kBackground));
    CloseVideo(id);
}

} // namespace
