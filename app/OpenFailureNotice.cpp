#include "app/OpenFailureNotice.h"

#include "devicemanager/VoroManager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>

OpenFailureNotice::OpenFailureNotice(VoroManager* manager, QStatusBar* bar)
    : QObject(bar)
    , panel(new QWidget(bar))
    , label(new QLabel(panel))
{
    panel->setObjectName(QStringLiteral("openFailureNotice"));
    label->setObjectName(QStringLiteral("openFailureText"));
    auto* icon = new QLabel(panel);
    const int size = bar->style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(bar->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    // The lines are long: the window may be narrower than they are (the tool tip then has them
    // whole). Selectable, so that the node can be copied into a terminal.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addWidget(label, 1);
    panel->hide();
    bar->addWidget(panel, 1);
    connect(manager, &VoroManager::deviceOpenFailed, this, &OpenFailureNotice::onOpenFailed);
    connect(manager, &VoroManager::deviceOpened, this, &OpenFailureNotice::onOpened);
}

QString OpenFailureNotice::text(const QStringList& paths)
{
    QStringList lines;
    for (const QString& path : paths) {
        lines << tr("A voro-BOX was found at %1 but cannot be opened, most likely because this "
                    "user has no permission to use it.")
                     .arg(path);
    }
    lines << tr("Install the voro-box-cdu package (or its udev rule 70-voro-box.rules), then "
                "plug the box in again.");
    return lines.join(QLatin1Char('\n'));
}

void OpenFailureNotice::onOpenFailed(const QString& path)
{
    if (++failures[path] < FAILURES_BEFORE_NOTICE || told.contains(path))
        return;
    told.insert(path);
    shown << path;
    refresh();
}

void OpenFailureNotice::onOpened(const QString& path)
{
    failures.remove(path);
    if (shown.removeAll(path) > 0)
        refresh();
}

void OpenFailureNotice::refresh()
{
    const QString lines = shown.isEmpty() ? QString() : text(shown);
    label->setText(lines);
    label->setToolTip(lines);
    const bool was_shown = panel->isVisibleTo(panel->parentWidget());
    panel->setVisible(!shown.isEmpty());
    if (was_shown != !shown.isEmpty())
        emit shownChanged(!shown.isEmpty());
}
