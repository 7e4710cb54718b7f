// Removing a program's scratch files when it is stopped by SIGINT, SIGTERM or SIGHUP
// (Ctrl-C, `timeout`, a closed terminal).
//
//   InterruptCleanup guard;                 // first thing, before any thread starts
//   guard.AddPath(scratchFolder);           // removed with its contents on a signal
//   guard.AddSweptFolder(outputFolder);     // its ScratchTag() files removed on a signal
//   guard.AddChild(pid);                    // sent the signal and waited for first
//   ...                                     // normal work; normal exits clean up as usual
//
// While the object lives the three signals are blocked in the creating thread (and so in
// every thread started after it) and a watcher thread waits for them. On a signal it
// forwards it to the registered children, waits a little for them, removes what was
// registered and ends the process by the same signal, so that the caller sees the usual
// status. Only one object may live at a time in a process.
#pragma once

#include <sys/types.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace nuvra {

class InterruptCleanup {
  public:
    InterruptCleanup();
    /// Stops the watcher and restores the signal mask; removes nothing.
    ~InterruptCleanup();
    InterruptCleanup(const InterruptCleanup&) = delete;
    InterruptCleanup& operator=(const InterruptCleanup&) = delete;

    /// A file or folder (removed with everything in it) to delete on a signal.
    void AddPath(const std::string& path);
    /// Runs `make` (which creates a file or folder and returns its path, or "") and
    /// registers the path, both before a signal's cleanup can run: a stop cannot fall
    /// between the making and the registering.
    void MakePath(const std::function<std::string()>& make);
    void RemovePath(const std::string& path);
    /// A folder whose entries named with this process's ScratchTag() go on a signal.
    void AddSweptFolder(const std::string& folder);
    /// A child process that gets the signal first; the watcher waits up to 10 s for it.
    void AddChild(pid_t pid);
    void RemoveChild(pid_t pid);

  private:
    void watch();
    void cleanUp(int signal);

    std::mutex mutex_;
    std::vector<std::string> paths_, swept_;
    std::vector<pid_t> children_;
    std::thread watcher_;
    bool stopping_ = false;
    bool active_ = false;
};

}  // namespace nuvra
