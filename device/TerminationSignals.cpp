#include "device/TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int s_pair[2] = { -1, -1 }; // [0] written by the handler, [1] read by the notifier
} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (s_pair[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, s_pair) != 0) {
        qWarning("unable to watch for termination signals");
        return;
    }
    // A full socket must not block the handler; the byte already there does the job.
    ::fcntl(s_pair[0], F_SETFL, ::fcntl(s_pair[0], F_GETFL) | O_NONBLOCK);
    notifier = new QSocketNotifier(s_pair[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::onReadable);

    struct sigaction action = {};
    action.sa_handler = &TerminationSignals::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, &previous_term);
    sigaction(SIGINT, &action, &previous_int);
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier)
        return;
    sigaction(SIGTERM, &previous_term, nullptr);
    sigaction(SIGINT, &previous_int, nullptr);
    delete notifier;
    ::close(s_pair[0]);
    ::close(s_pair[1]);
    s_pair[0] = s_pair[1] = -1;
}

void TerminationSignals::handle(int signal_number)
{
    const int saved = errno;
    const char byte = char(signal_number);
    [[maybe_unused]] const ssize_t written = ::write(s_pair[0], &byte, 1);
    errno = saved;
}

void TerminationSignals::onReadable()
{
    char byte = 0;
    if (::read(s_pair[1], &byte, 1) == 1)
        emit received(int(byte));
}
