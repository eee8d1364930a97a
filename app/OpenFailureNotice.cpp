#include "app/OpenFailureNotice.h"

#include "devicemanager/VoroManager.h"

#include <QLabel>
#include <QStatusBar>

OpenFailureNotice::OpenFailureNotice(VoroManager* manager, QStatusBar* bar)
    : QObject(bar)
    , label(new QLabel(bar))
{
    label->setObjectName(QStringLiteral("openFailureNotice"));
    // The text is long: wrapped, it does not widen the window; selectable, the node can be
    // copied into a terminal.
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->hide();
    bar->addWidget(label, 1);
    connect(manager, &VoroManager::deviceOpenFailed, this, &OpenFailureNotice::onOpenFailed);
    connect(manager, &VoroManager::deviceOpened, this, &OpenFailureNotice::onOpened);
}

QString OpenFailureNotice::message(const QString& path)
{
    return tr("A voro-BOX was found at %1 but cannot be opened, most likely because this user "
              "has no permission to use it. Install the voro-box-cdu package (or its udev rule "
              "70-voro-box.rules), then plug the box in again.")
        .arg(path);
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
    QStringList lines;
    for (const QString& path : qAsConst(shown))
        lines << message(path);
    label->setText(lines.join(QLatin1Char('\n')));
    label->setVisible(!shown.isEmpty());
}
