#include "common/interrupt_cleanup.h"

#include <pthread.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "common/file_util.h"

namespace nuvra {
namespace {

sigset_t watchedSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

void pause10ms() {
    timespec ts{0, 10'000'000};
    ::nanosleep(&ts, nullptr);
}

}  // namespace

InterruptCleanup::InterruptCleanup() {
    sigset_t set = watchedSignals();
    if (::pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0) return;
    active_ = true;
    watcher_ = std::thread([this] { watch(); });
}

InterruptCleanup::~InterruptCleanup() {
    if (!active_) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    // Wakes the watcher; it sees stopping_ and returns without cleaning.
    ::pthread_kill(watcher_.native_handle(), SIGTERM);
    watcher_.join();
    sigset_t set = watchedSignals();
    ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

void InterruptCleanup::AddPath(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    paths_.push_back(path);
}

void InterruptCleanup::MakePath(const std::function<std::string()>& make) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::string path = make();
    if (!path.empty()) paths_.push_back(path);
}

void InterruptCleanup::RemovePath(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

void InterruptCleanup::AddSweptFolder(const std::string& folder) {
    std::lock_guard<std::mutex> lock(mutex_);
    swept_.push_back(folder.empty() ? std::string(".") : folder);
}

void InterruptCleanup::AddChild(pid_t pid) {
    std::lock_guard<std::mutex> lock(mutex_);
    children_.push_back(pid);
}

void InterruptCleanup::RemoveChild(pid_t pid) {
    std::lock_guard<std::mutex> lock(mutex_);
    children_.erase(std::remove(children_.begin(), children_.end(), pid), children_.end());
}

void InterruptCleanup::watch() {
    sigset_t set = watchedSignals();
    for (;;) {
        int sig = 0;
        if (::sigwait(&set, &sig) != 0) continue;
        // Held until the process ends: nothing is made and registered after the cleanup.
        mutex_.lock();
        if (stopping_) {
            mutex_.unlock();
            return;
        }
        // Never released: a scratch file the main thread would make from now on waits
        // until the process ends, so the sweep below misses none.
        ScratchCreationLock().lock();
        cleanUp(sig);
        // End the process by the signal itself, as if nothing had caught it.
        ::signal(sig, SIG_DFL);
        sigset_t one;
        sigemptyset(&one);
        sigaddset(&one, sig);
        ::pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
        ::raise(sig);
        ::_exit(128 + sig);
    }
}

void InterruptCleanup::cleanUp(int sig) {
    // Called with the lock held. The main thread keeps running meanwhile; a scratch
    // file it makes after a sweep is caught by the next one.
    for (pid_t child : children_)
        ::kill(child, sig);
    for (pid_t child : children_) {
        for (int i = 0; i < 1000; ++i) {
            pid_t r = ::waitpid(child, nullptr, WNOHANG);
            if (r == child || (r < 0 && errno != EINTR)) break;
            pause10ms();
        }
    }
    const std::string tag = ScratchTag();
    for (int round = 0; round < 3; ++round) {
        for (const std::string& p : paths_) {
            std::error_code ec;
            std::filesystem::remove_all(p, ec);
        }
        for (const std::string& folder : swept_) {
            std::error_code ec;
            for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
                 it.increment(ec)) {
                if (it->path().filename().string().rfind(tag, 0) == 0) {
                    std::error_code rc;
                    std::filesystem::remove_all(it->path(), rc);
                }
            }
        }
        pause10ms();
    }
}

}  // namespace nuvra
