#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

// Turns SIGTERM and SIGINT (logout, shutdown, Ctrl+C in a terminal) into a signal in the main
// thread, so that the program ends as Exit ends it (the window) or stops what it does cleanly
// (the command line) instead of being killed with tests running and handles open. The handler
// only writes a byte to a socket pair; the rest happens in the event loop. One at a time; the
// previous handlers are back once it is destroyed.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signal_number);

private:
    static void handle(int signal_number);
    void onReadable();

    QSocketNotifier* notifier = nullptr;
    struct sigaction previous_term;
    struct sigaction previous_int;
};
