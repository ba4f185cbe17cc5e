#include "app/shell.h"

#include <GL/glu.h>

#include <cstdio>
#include <cstdlib>

#include "app/camera.h"
#include "app/plugin_library.h"
#include "app/script_libraries.h"
#include "app/timer.h"
#include "image/drawing.h"
#include "image/image_library.h"
#include "image/texture_cache.h"
#include "media/sound.h"
#include "platform/gl_context.h"
#include "platform/glut_backend.h"
#include "scene/node_manager.h"
#include "scene/scheduler.h"
#include "script/script_calls.h"
#include "ui/control.h"
#include "ui/control_types.h"
#include "ui/toolkit.h"

namespace {

// The start-up hook library; nothing of it stays loaded after start-up.
class HookLibrary : public PluginLibrary {};
HookLibrary hookLibrary;
bool hookLoaded = false;

unsigned backgroundPicture = 0;
int windowWidth = 800;
int windowHeight = 600;
ViewCamera camera;
MouseTracking mouse;

// A window shrunk to no height keeps a finite aspect ratio.
double AspectRatio(int width, int height) {
    return static_cast<double>(width) / (height > 0 ? height : 1);
}

void RunStartupHook() {
    if (hookLoaded) {
        hookLibrary.Free();
        hookLoaded = false;
    }
    hookLoaded = hookLibrary.Load("TestDll");
    if (auto hook = reinterpret_cast<void (*)()>(hookLibrary.GetExport("cunt"))) hook();
    if (hookLoaded) {
        hookLibrary.Free();
        hookLoaded = false;
    }
}

void DrawBackground() {
    if (backgroundPicture == 0) return;
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -40, 40);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(1, 1, 1);
    BindTexture(backgroundPicture);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(0, 0);
    glTexCoord2f(0, 1); glVertex2f(0, 1);
    glTexCoord2f(1, 1); glVertex2f(1, 1);
    glTexCoord2f(1, 0); glVertex2f(1, 0);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void SetUpView() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, AspectRatio(windowWidth, windowHeight), 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -camera.distance);
    glTranslatef(camera.panX, camera.panY, 0);
    glRotatef(camera.pitch, 1, 0, 0);
    glRotatef(camera.yaw, 0, 1, 0);
}

void DrawGrid() {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glColor3f(0.4f, 0.4f, 0.4f);
    glBegin(GL_LINES);
    for (int i = -10; i <= 10; ++i) {
        glVertex3f(-10, 0, i);
        glVertex3f(10, 0, i);
        glVertex3f(i, 0, -10);
        glVertex3f(i, 0, 10);
    }
    glEnd();
    glEnable(GL_DEPTH_TEST);
}

void DrawFrameRate() {
    glColor3f(1, 1, 1);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-10, 10, 0, 16, -40, 40);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    char text[64];
    snprintf(text, sizeof text, "%f", 1.0f / FrameTimer().FrameTime());
    glPushMatrix();
    glRasterPos2f(-9, 15);
    for (const char* c = text; *c; ++c)
        platform::DrawBitmapCharacter(platform::BitmapFont::Helvetica10, *c);
    glPopMatrix();
}

// The frame passes and the input the toolkit leaves; the shell sets no
// passive-motion or special-key handler.
const platform::EventHandlers kShellEvents{
    .display = DrawFrame,
    .reshape = ReshapeView,
    .idle = IdleFrame,
    .mouse = MouseButton,
    .motion = MouseMotion,
    .keyboard = KeyPressed,
};

} // namespace

void StartSystem(int* argc, char** argv) {
    RunStartupHook();

    platform::OpenSurface(argc, argv);
    platform::RouteEvents(toolkitEvents(), kShellEvents);

    OpenInterpreter();
    RegisterScriptLibraries();

    StartSound();
    PlaySample(LoadSample("startmenu/Startup.wav"), false);
    FrameTimer().Start();
    initToolkit();
    ui::createControl(ui::LUI_START_MENU, "");

    glClearColor(0.5f, 0.5f, 0.5f, 0.5f);
    RunScriptText("SetBackgroundImage(\"startmenu/bliss.bmp\");");
    Drawing2D::Initialise();
    StartSceneGraph();
    atexit(ShutdownAll);
}

void DrawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawBackground();
    SetUpView();
    DrawGrid();
    glPushMatrix();
    RenderAll();
    glPopMatrix();
    DrawFrameRate();
    glDisable(GL_DEPTH_TEST);
    drawToolkit();
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA);
    RunIdleScripts();
    glDisable(GL_BLEND);
}

void IdleFrame() {
    HiResTimer& timer = FrameTimer();
    timer.Tick();
    UpdateMedia(timer.FrameTime());
    UpdateAll(timer.FrameTime());
    platform::PostRedisplay();
}

void ReshapeView(int width, int height) {
    windowWidth = width;
    windowHeight = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, AspectRatio(width, height), 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void KeyPressed(unsigned char key, int, int) {
    if (key == 27) exit(0);
}

void MouseButton(int button, int state, int x, int y) {
    TrackMouseButton(mouse, button, state, x, y);
}

void MouseMotion(int x, int y) { ApplyMouseMotion(camera, mouse, x, y); }

void ShutdownAll() {
    StopSound();
    destroyAll();
    ImageDeleteAll();
    DestroyAllNodes();
    // Finalizers run while the interpreter closes; whatever they draw goes nowhere.
    DetachGlContext();
    CloseInterpreter();
    fflush(stdout);
}

void SetBackgroundPicture(const char* path) {
    if (backgroundPicture != 0) ReleaseTexture(backgroundPicture);
    backgroundPicture = AcquireTexture(path);
}

int ShellWindowWidth() { return windowWidth; }
int ShellWindowHeight() { return windowHeight; }
