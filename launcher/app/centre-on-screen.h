#ifndef HALVORA_CENTRE_ON_SCREEN_H
#define HALVORA_CENTRE_ON_SCREEN_H

#include <QMargins>

class QWidget;

// Moves a window so that its frame, at the window's present size and with
// the frame margins the window system reports now, is centred on the
// available area of the screen that holds it. Returns those margins: until
// a window manager has framed the window they are zero, and the window must
// be centred again once they are known.
QMargins CentreOnScreen(QWidget* window);

#endif
