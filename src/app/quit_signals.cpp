#include "quit_signals.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace cv {
namespace {

// Handler state must be plain and global: a signal handler can reach nothing else.
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[2];

void OnQuitSignal(int sig) {
  // Give the second signal back to the handler that was there before.
  sigaction(sig, &g_previous[sig == SIGINT ? 0 : 1], nullptr);
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = write(g_pipe[0], &byte, 1);
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0) return;
  notifier_ = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char byte;
    [[maybe_unused]] const ssize_t n = read(g_pipe[1], &byte, 1);
    emit quitRequested();
  });
  struct sigaction action {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &g_previous[0]);
  sigaction(SIGTERM, &action, &g_previous[1]);
}

QuitSignals::~QuitSignals() {
  if (!notifier_) return;
  sigaction(SIGINT, &g_previous[0], nullptr);
  sigaction(SIGTERM, &g_previous[1], nullptr);
  close(g_pipe[0]);
  close(g_pipe[1]);
}

}  // namespace cv
