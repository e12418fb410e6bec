#include "centre-on-screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

QMargins CentreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QMargins();
    QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    QSize outer = window->size().grownBy(frame);
    QRect area = screen->availableGeometry();
    // A window's position is that of its frame.
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
    return frame;
}
