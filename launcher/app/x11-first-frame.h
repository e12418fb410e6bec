#ifndef HALVORA_X11_FIRST_FRAME_H
#define HALVORA_X11_FIRST_FRAME_H

#include <QMargins>

class QWidget;

// What an X11 window manager and server need to show a window right the
// first time, asked and given while the window is created but not yet
// mapped. Elsewhere (Wayland, offscreen) both do nothing.

// The frame the window manager will put around the window, as it answers
// _NET_REQUEST_FRAME_EXTENTS; zero when it does not answer (no manager, or
// one without that request): the window is then placed without a frame.
QMargins AnnouncedFrameExtents(QWidget* window);

// Gives the native window the widget's present picture as its background,
// so that the server fills it the moment it is mapped, before the toolkit
// has had the expose event and painted: no empty frame, whatever the delay.
void FillBeforeFirstPaint(QWidget* window);

#endif
