#ifndef HALVORA_CENTRE_ON_SCREEN_H
#define HALVORA_CENTRE_ON_SCREEN_H

#include <QMargins>

class QWidget;

// Places a window so that its frame, at the window's present size with the
// given frame margins around it, is centred on the available area of the
// screen that holds it. Meant for a window not yet shown: once there, it
// stays there.
void CentreOnScreen(QWidget* window, const QMargins& frame);

#endif
