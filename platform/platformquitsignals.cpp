#include "platform/platformquitsignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int s_pipe[2] = {-1, -1};
volatile sig_atomic_t s_requested = 0;
const int QuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Only async-signal-safe work here: a flag and one byte into the pipe.
void onSignal(int number)
{
    s_requested = 1;
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &byte, 1);
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : QuitSignals)
        sigaction(number, &action, nullptr);
}

// A request that came before anyone listened stays in the pipe and the flag.
bool listen()
{
    if (s_pipe[0] != -1)
        return true;
    if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    s_requested = 0;
    setHandler(onSignal);
    return true;
}

} // namespace

void PlatformQuitSignals::listenEarly()
{
    listen();
}

bool PlatformQuitSignals::isRequested()
{
    return s_requested != 0;
}

PlatformQuitSignals::PlatformQuitSignals(QObject* parent) : QObject(parent)
{
    if (!listen())
        return;
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PlatformQuitSignals::onReadable);
    setHandler(onSignal);
}

PlatformQuitSignals::~PlatformQuitSignals()
{
    if (!m_notifier)
        return;
    setHandler(SIG_DFL);
    delete m_notifier;
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
    s_requested = 0;
}

void PlatformQuitSignals::onReadable()
{
    char bytes[16];
    while (::read(s_pipe[0], bytes, sizeof bytes) > 0) {
    }
    Q_EMIT quitRequested();
}
