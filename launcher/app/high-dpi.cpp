#include "high-dpi.h"

#include <QCoreApplication>

void EnableHighDpiScaling()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    // The dialog's icon is then drawn from the image at full resolution
    // instead of being enlarged from its logical size.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
}
