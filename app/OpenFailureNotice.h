#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

class QLabel;
class QStatusBar;
class QWidget;
class VoroManager;

// Tells the user, in the status bar and without stopping anything, that a box was found whose
// device node cannot be opened, and how to fix it. Each box (device node) is named once per run;
// its line goes away when the box opens, the notice when no box is left to name. The manager
// keeps retrying meanwhile.
class OpenFailureNotice : public QObject
{
    Q_OBJECT

public:
    // Right after a box is plugged in, its node may still wait for udev to grant access, so a
    // single failed open says nothing; the next attempt comes about a second later.
    static constexpr int FAILURES_BEFORE_NOTICE = 2;

    // Adds a warning sign and its text to `bar` (the widget "openFailureNotice" with the
    // label "openFailureText"), hidden while there is nothing to say.
    OpenFailureNotice(VoroManager* manager, QStatusBar* bar);

    // One line per device node, then the fix.
    static QString text(const QStringList& paths);

    bool isShown() const { return !shown.isEmpty(); }

signals:
    // The notice appeared or went.
    void shownChanged(bool shown);

private:
    void onOpenFailed(const QString& path);
    void onOpened(const QString& path);
    void refresh();

    QWidget* panel;
    QLabel* label;
    QHash<QString, int> failures; // failed opens in a row, by device node
    QSet<QString> told; // nodes already named this run
    QStringList shown; // nodes named now, in the order they failed
};
