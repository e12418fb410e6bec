#include "centre-on-screen.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget* window, const QMargins& frame)
{
    QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QSize outer = window->size().grownBy(frame);
    QRect area = screen->availableGeometry();
    QPoint frame_at(area.x() + (area.width() - outer.width()) / 2,
                    area.y() + (area.height() - outer.height()) / 2);
    // The geometry of the window itself, inside its frame: it means the same
    // before and after a window manager has framed the window.
    window->setGeometry(QRect(frame_at + QPoint(frame.left(), frame.top()), window->size()));
}
