#pragma once

#include "cli/BoxSession.h"
#include "cli/Invocation.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

#include <memory>

class Console;

// One subcommand at work: it finds its boxes through a BoxSession, does its work with the
// manager's classes, prints its results and ends with its exit status. Work under way when the
// user interrupts (Ctrl+C, SIGTERM) is brought to an end that is known and reported.
class Command : public QObject
{
    Q_OBJECT

public:
    // The exit status of the command line.
    enum Exit { DONE = 0, BOX_FAILED = 1, BAD_INPUT = 2, NO_BOX = 3, INTERRUPTED = 130 };

    Command(const Invocation& invocation, Console& console);

    virtual void start() = 0;
    // Ctrl+C: by default nothing is under way yet, so the command ends at once.
    virtual void interrupt();

    // The command for the invocation; null for an unknown one.
    static std::unique_ptr<Command> make(const Invocation& invocation, Console& console);

signals:
    void finished(int exit_status);

protected:
    // A box could not do what was asked: its result line says why ("<name>: <reason>", or a
    // JSON line with "result": "failed", "reason" and `extra`), and the exit status becomes
    // BOX_FAILED.
    void failed(const QString& name, const QString& serial_number, const QString& reason,
                QJsonObject extra = QJsonObject());
    // Ends with BOX_FAILED when a box failed, INTERRUPTED when the user stopped work that was
    // left undone, else DONE.
    void finish();
    void finish(int exit_status);
    // Picks the boxes and opens them; then `then` with the session's targets, unless nothing
    // matched (the command ends with that status).
    void findAndOpen(BoxSession::Pick pick, VoroManager::FirmwareUpdates updates,
                     const std::function<void()>& then);
    // The targets that are ready to be worked with; the others are reported as failed.
    QList<BoxSession::Target*> readyTargets(bool watched_too = false);

    const Invocation& invocation;
    Console& console;
    BoxSession session;
    int failures = 0;
    bool interrupted = false;
    bool undone = false; // the interruption left work undone
    bool ended = false;
};
