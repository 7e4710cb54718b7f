#include "common/interrupt_cleanup.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "common/file_util.h"
#include "test_util.h"

namespace nuvra {
namespace {

namespace fs = std::filesystem;

// A child process registers what a report run would, is stopped by the signal, and
// must leave nothing of it and die of that signal.
TEST(InterruptCleanup, SignalRemovesWhatWasRegisteredAndEndsTheProcess) {
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(sig);
        test::TempDir dir;
        const std::string scratch = dir.file("scratch"), out = dir.file("out");
        fs::create_directories(scratch + "/sub");
        fs::create_directories(out);
        test::writeFile(out + "/kept.prn", "complete");
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::signal(sig, SIG_DFL);
            InterruptCleanup guard;
            guard.AddPath(scratch);
            guard.AddSweptFolder(out);
            test::writeFile(scratch + "/sub/figure.fig", "x");
            test::writeFile(out + "/" + ScratchTag() + "half.prn", "half");
            (void)!write(ready[1], "r", 1);
            for (;;)
                pause();
        }
        close(ready[1]);
        char c;
        ASSERT_EQ(read(ready[0], &c, 1), 1);
        close(ready[0]);
        kill(pid, sig);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << status;
        EXPECT_FALSE(fs::exists(scratch));
        EXPECT_EQ(test::readFile(out + "/kept.prn"), "complete");  // not ours to remove
        int left = 0;
        for (const auto& e : fs::directory_iterator(out))
            left += e.path().filename() != "kept.prn";
        EXPECT_EQ(left, 0);
    }
}

TEST(InterruptCleanup, GoingAwayRemovesNothingAndRestoresTheSignals) {
    test::TempDir dir;
    {
        InterruptCleanup guard;
        guard.AddPath(dir.path());
    }
    EXPECT_TRUE(fs::exists(dir.path()));
    sigset_t blocked;
    ASSERT_EQ(pthread_sigmask(SIG_BLOCK, nullptr, &blocked), 0);
    EXPECT_FALSE(sigismember(&blocked, SIGTERM));
    EXPECT_FALSE(sigismember(&blocked, SIGINT));
}

}  // namespace
}  // namespace nuvra
