#include "ui/image_view.h"

#include "image/image_library.h"
#include "ui/control_types.h"

namespace ui {

namespace {

void createImageView(Control* control) {
    control->data = new ImageViewData{};
    setPosition(control, 5, 5);
    setSize(control, 200, 200);
}

// Ids are 16-bit: a larger number keeps its low bits.
void setPicture(Control* control, int id) {
    static_cast<ImageViewData*>(control->data)->pictureId = static_cast<uint16_t>(id);
}

// The picture's top-left corner at the view's own: the draw pass has already
// moved the origin to its position.
void drawImageView(Control* control) {
    ImageDraw(static_cast<const ImageViewData*>(control->data)->pictureId, 0, 0);
}

} // namespace

const ControlClass imageViewClass{
    .typeId = kImageViewType,
    .create = createImageView,
    .destroy = destroyRecord<ImageViewData>,
    .draw = drawImageView,
    .setInt = setPicture,
};

} // namespace ui
