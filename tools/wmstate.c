/* Stands in for a window manager on our Xvfb displays, in the one thing Wine
 * waits for: the WM_STATE a manager puts on each top-level window it takes
 * (NormalState once mapped, WithdrawnState once unmapped). Without it Wine
 * waits 2 s for the manager whenever it hides a framed window, every message
 * box and form a test closes. Maps, moves and focus stay as on a display
 * without a manager. Runs until the display ends. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>

static int ignore_error(Display *display, XErrorEvent *error)
{
    /* The window went before its state was set. */
    (void)display;
    (void)error;
    return 0;
}

int main(void)
{
    Display *display = XOpenDisplay(NULL);
    if (!display)
        return 1;
    XSetErrorHandler(ignore_error);
    Atom wm_state = XInternAtom(display, "WM_STATE", False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    puts("ready");
    fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        Window window;
        long state[2] = {0, None};
        if (event.type == MapNotify && !event.xmap.override_redirect) {
            window = event.xmap.window;
            state[0] = NormalState;
        } else if (event.type == UnmapNotify) {
            window = event.xunmap.window;
            state[0] = WithdrawnState;
        } else {
            continue;
        }
        XChangeProperty(display, window, wm_state, wm_state, 32, PropModeReplace, (unsigned char *)state, 2);
        XFlush(display);
    }
}
