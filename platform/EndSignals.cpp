#include "platform/EndSignals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace {

constexpr std::array<int, 3> kEndSignals = {SIGTERM, SIGHUP, SIGINT};

int Pipe[2] = {-1, -1};
std::array<struct sigaction, kEndSignals.size()> Former;

void Caught(int signal) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // A full pipe already holds a signal to end on.
    (void)!::write(Pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

TEndSignals::TEndSignals(QObject* parent) : QObject(parent) {
    if (Pipe[0] >= 0)
        throw std::logic_error("the end signals are taken already");
    if (::pipe2(Pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("cannot make a pipe for the end signals");
    Notifier = new QSocketNotifier(Pipe[0], QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, &TEndSignals::Read);
    struct sigaction action {};
    action.sa_handler = Caught;
    sigemptyset(&action.sa_mask);
    // Restarted: a save under way when the signal comes goes on undisturbed.
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kEndSignals.size(); ++i)
        ::sigaction(kEndSignals[i], &action, &Former[i]);
}

TEndSignals::~TEndSignals() {
    for (size_t i = 0; i < kEndSignals.size(); ++i)
        ::sigaction(kEndSignals[i], &Former[i], nullptr);
    delete Notifier;
    ::close(Pipe[0]);
    ::close(Pipe[1]);
    Pipe[0] = Pipe[1] = -1;
}

void TEndSignals::Read() {
    unsigned char byte = 0;
    int first = 0;
    while (::read(Pipe[0], &byte, 1) == 1) {
        if (!first)
            first = byte;
    }
    if (!first || Ending)
        return;
    Ending = true;
    emit Received(first);
}
