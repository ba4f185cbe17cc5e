#include "ui/video_view.h"

#include <GL/gl.h>

#include "media/video.h"
#include "ui/control_types.h"

namespace ui {

namespace {

void createVideoView(Control* control) {
    control->data = new VideoViewData{};
    setPosition(control, 5, 5);
    setSize(control, 200, 200);
}

void setVideo(Control* control, int id) {
    static_cast<VideoViewData*>(control->data)->videoId = static_cast<uint32_t>(id);
}

// White and textured over the view's own rectangle (the draw pass has
// already moved the origin to its position). Without a video's texture to
// bind, whatever texture is bound would show: draw nothing then.
void drawVideoView(Control* control) {
    uint32_t id = static_cast<const VideoViewData*>(control->data)->videoId;
    const CAvi* video = FindVideo(id);
    if (!video || !video->hasTexture) return;
    BindVideoTexture(id);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    const int width = control->width, height = control->height;
    // t = 0 is the frame's bottom row: upright where y points down.
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex2i(0, 0);
    glTexCoord2f(0, 0);
    glVertex2i(0, height);
    glTexCoord2f(1, 0);
    glVertex2i(width, height);
    glTexCoord2f(1, 1);
    glVertex2i(width, 0);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

} // namespace

const ControlClass videoViewClass{
    .typeId = kVideoViewType,
    .create = createVideoView,
    .destroy = destroyRecord<VideoViewData>,
    .draw = drawVideoView,
    .setInt = setVideo,
};

} // namespace ui
