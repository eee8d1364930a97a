#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>

class QWidget;

// Where the main window opens: where it was left, or its preferred size centred, but always
// within the available area of a screen that is there today. A laptop on a site has a small
// screen, and the monitor the window was last used on may be gone.
namespace WindowPlacement {

// Room kept above the window for the title bar the window manager adds: Qt knows the frame
// only once the window is shown.
constexpr int TITLE_BAR = 40;

struct Placement
{
    QRect geometry; // without the frame; also the size the window returns to from maximised
    bool maximized = false;
};

// `wanted`: the window's geometry, or an invalid rectangle for none (`preferred` centred is
// then wanted); `available`: the available area of the screen it is to go on. A window that
// does not fit whole opens maximised.
Placement fit(const QRect& wanted, const QSize& preferred, const QRect& available);

// Gives the window its saved geometry (QWidget::saveGeometry; empty for none), or `preferred`,
// fitted into today's screens. Before the window is shown.
void place(QWidget* window, const QSize& preferred, const QByteArray& saved);

} // namespace WindowPlacement
