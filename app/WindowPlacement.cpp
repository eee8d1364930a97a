#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace WindowPlacement {

Placement fit(const QRect& wanted, const QSize& preferred, const QRect& available)
{
    // Below the title bar's room, the area the window itself may cover.
    const QRect room = available.adjusted(0, TITLE_BAR, 0, 0);
    QRect r = wanted;
    // Nothing saved, or saved on a screen that is gone: the preferred size, centred.
    if (!r.isValid() || !r.intersects(available)) {
        r = QRect(QPoint(), preferred);
        r.moveCenter(room.center());
    }
    // Un-maximised later (or where nothing maximises it), it covers what there is.
    if (r.width() > room.width() || r.height() > room.height())
        return { room, true };
    r.moveLeft(std::clamp(r.left(), room.left(), room.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), room.top(), room.bottom() - r.height() + 1));
    return { r, false };
}

void place(QWidget* window, const QSize& preferred, const QByteArray& saved)
{
    window->resize(preferred);
    bool maximized = false;
    QRect wanted;
    if (!saved.isEmpty() && window->restoreGeometry(saved)) {
        maximized = window->windowState() & Qt::WindowMaximized;
        wanted = window->geometry();
    }
    QScreen* screen = wanted.isValid() ? QGuiApplication::screenAt(wanted.center()) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const Placement p = fit(wanted, preferred, screen->availableGeometry());
    window->setGeometry(p.geometry);
    if (p.maximized || maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

} // namespace WindowPlacement
