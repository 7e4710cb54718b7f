#include "common/file_util.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "common/error_codes.h"
#include "common/line_reader.h"
#include "test_util.h"

namespace nuvra {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(ReadHeaderName, VersionProbe) {
    TempDir dir;
    struct {
        const char* content;
        const char* expected;
    } cases[] = {
        {"a\r\nb\r\nINPUT FILE VERSION             [1.00]\r\nrest\r\n", "1.00"},
        {"a\nb\nINPUT FILE VERSION             [1.00]", "1.00"},  // LF, no final end
        {"a\rb\rINPUT FILE VERSION             [2.00]\r", "2.00"},
        {"a\r\nb\r\nINPUT FILE VERSION             [1.00\x83\xC0]\r\n", "1.00β"},
        {"a\r\nb\r\nINPUT FILE VERSION             [x\r\n", ""},     // exactly 33 characters
        {"a\r\nb\r\nINPUT FILE VERSION             \r\n", "error"},  // 31 characters
        {"a\r\nb\r\n", "error"},
        {"", "error"},
        {"a\r\nb\r\n\x81\x20\x81\x20\x81\x20\x81\x20\x81\x20\x81\x20\x81\x20\x81\x20\x81"
         "\x20\x81\x20\x81\x20\x81\x20\x81\x20\x81\x20\x81\x20\x81\x20\x81\x20\r\n",
         "error"},  // bytes that are not CP932
    };
    for (const auto& c : cases) {
        std::string p = dir.file("probe.nvr");
        writeFile(p, c.content);
        EXPECT_EQ(ReadHeaderName(p), c.expected) << c.content;
    }
    EXPECT_EQ(ReadHeaderName(dir.file("missing.nvr")), "error");
    EXPECT_EQ(ReadHeaderName(dir.path()), "error");
}

// A FIFO would block the open until a writer comes, a device would never end: both are
// refused at once, like a folder.
TEST(LineReader, ReadsOnlyPlainFiles) {
    TempDir dir;
    const std::string fifo = dir.file("pipe.nvr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    writeFile(dir.file("plain.nvr"), "a\r\n");
    const struct {
        std::string path;
        std::int32_t code;
    } cases[] = {
        {dir.file("plain.nvr"), 0},
        {dir.path(), kErrPathAccess},
        {fifo, kErrPathAccess},
        {"/dev/zero", kErrPathAccess},
    };
    for (const auto& c : cases) {
        LineReader in;
        EXPECT_EQ(in.open(c.path), c.code) << c.path;
    }
    EXPECT_EQ(ReadHeaderName(fifo), "error");
    EXPECT_EQ(ReadHeaderName("/dev/zero"), "error");
}

TEST(FileHelpers, KillMakeTestCreate) {
    TempDir dir;
    std::string f = dir.file("a.txt");
    EXPECT_FALSE(KillFile(f));
    EXPECT_TRUE(TestCreateFile(f));
    EXPECT_TRUE(std::filesystem::exists(f));
    writeFile(f, "data");
    EXPECT_TRUE(TestCreateFile(f));
    EXPECT_EQ(readFile(f), "");
    EXPECT_TRUE(KillFile(f));
    EXPECT_FALSE(std::filesystem::exists(f));
    std::string sub = dir.file("sub");
    EXPECT_TRUE(MakeFolder(sub));
    EXPECT_FALSE(MakeFolder(sub));  // existing folder
    EXPECT_FALSE(KillFile(sub));    // not a file
    EXPECT_FALSE(TestCreateFile(dir.file("none/x.txt")));
}

TEST(FileHelpers, AppendFileCopiesLinesWithCrLf) {
    TempDir dir;
    std::string dst = dir.file("dst"), src = dir.file("src");
    writeFile(dst, "head\r\n");
    writeFile(src, "one\r\ntwo\nthree\rfour");
    EXPECT_TRUE(AppendFile(dst, src));
    EXPECT_EQ(readFile(dst), "head\r\none\r\ntwo\r\nthree\r\nfour\r\n");
    EXPECT_FALSE(AppendFile(dst, dir.file("missing")));
    EXPECT_FALSE(AppendFile(dir.file("no/dst"), src));
}

TEST(WriteFileAtomically, ReplacesOnlyWhenComplete) {
    TempDir dir;
    std::string f = dir.file("design.nvr");
    EXPECT_EQ(writeFileAtomically(f, "first"), 0);
    EXPECT_EQ(readFile(f), "first");
    EXPECT_EQ(writeFileAtomically(f, "second"), 0);
    EXPECT_EQ(readFile(f), "second");
    // Only the target remains: no temporary file is left behind.
    int count = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path()))
        (void)e, ++count;
    EXPECT_EQ(count, 1);
    EXPECT_EQ(writeFileAtomically(dir.file("missing/x.nvr"), "x"), kErrPathNotFound);
    EXPECT_EQ(writeFileAtomically(dir.path(), "x"), kErrPathAccess);
    EXPECT_EQ(writeFileAtomically("", "x"), kErrBadFileName);
}

TEST(WriteFileAtomically, ReadOnlyFolderKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    TempDir dir;
    std::string f = dir.file("design.nvr");
    writeFile(f, "old");
    chmod(dir.path().c_str(), 0555);
    EXPECT_NE(writeFileAtomically(f, "new"), 0);
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(readFile(f), "old");
}

// What may stand where a file of ours goes: nothing, or a regular file the user may
// write; never a folder, a write-protected file, or (when refused) a symbolic link.
TEST(CheckWriteTarget, WhatMayBeReplaced) {
    TempDir dir;
    writeFile(dir.file("plain"), "x");
    writeFile(dir.file("protected"), "x");
    chmod(dir.file("protected").c_str(), 0444);
    std::filesystem::create_directory(dir.file("folder"));
    std::filesystem::create_symlink(dir.file("plain"), dir.file("link"));
    std::filesystem::create_symlink(dir.file("gone"), dir.file("dangling"));
    const struct {
        const char* name;
        bool refuseLink;
        int expected;
    } cases[] = {
        {"new", false, 0},           {"plain", false, 0},       {"protected", false, EACCES},
        {"folder", false, EISDIR},   {"link", false, 0},        {"link", true, ELOOP},
        {"dangling", false, 0},      {"dangling", true, ELOOP}, {"missing/x", false, ENOENT},
        {"plain/x", false, ENOTDIR},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckWriteTarget(dir.file(c.name), c.refuseLink), c.expected)
            << c.name << " " << c.refuseLink;
}

TEST(WriteFileAtomically, NeverOverAProtectedFileOrThroughARefusedLink) {
    TempDir dir;
    writeFile(dir.file("ro.nvr"), "old");
    chmod(dir.file("ro.nvr").c_str(), 0444);
    EXPECT_EQ(writeFileAtomically(dir.file("ro.nvr"), "new"), kErrPermissionDenied);
    EXPECT_EQ(readFile(dir.file("ro.nvr")), "old");

    writeFile(dir.file("target"), "old");
    std::filesystem::create_symlink(dir.file("target"), dir.file("link.nvr"));
    EXPECT_EQ(writeFileAtomically(dir.file("link.nvr"), "new", true), kErrPathAccess);
    EXPECT_EQ(readFile(dir.file("target")), "old");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.nvr")));
}

TEST(WriteFileAtomically, NewFilesTakeTheUmaskReplacedOnesKeepTheirMode) {
    TempDir dir;
    const mode_t old = umask(027);
    EXPECT_EQ(writeFileAtomically(dir.file("new.nvr"), "x"), 0);
    umask(old);
    struct stat st {};
    ASSERT_EQ(stat(dir.file("new.nvr").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    chmod(dir.file("new.nvr").c_str(), 0600);
    EXPECT_EQ(writeFileAtomically(dir.file("new.nvr"), "y"), 0);
    ASSERT_EQ(stat(dir.file("new.nvr").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(readFile(dir.file("new.nvr")), "y");
}

// Inputs that never end are refused before anything is read.
TEST(Readers, RefuseWhatIsNotARegularFile) {
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.file("pipe").c_str(), 0600), 0);
    for (const std::string& path : {std::string("/dev/zero"), dir.file("pipe"), dir.path()}) {
        std::string bytes;
        EXPECT_EQ(readWholeFile(path, bytes), kErrPathAccess) << path;
        LineReader in;
        EXPECT_EQ(in.open(path), kErrPathAccess) << path;
    }
    EXPECT_EQ(ReadHeaderName("/dev/zero"), "error");
}

TEST(Readers, BoundTheirReads) {
    TempDir dir;
    writeFile(dir.file("long"), std::string(LineReader::kMaxLineBytes + 10, 'a') + "\r\n");
    LineReader in;
    ASSERT_EQ(in.open(dir.file("long")), 0);
    std::string line;
    EXPECT_FALSE(in.readLine(line));
    EXPECT_TRUE(in.failed());
    LineReader items;
    ASSERT_EQ(items.open(dir.file("long")), 0);
    bool quoted = false;
    EXPECT_FALSE(items.readItem(line, quoted));
    EXPECT_TRUE(items.failed());
}

TEST(ScratchFolder, PrivateFolderGoesWithEverythingInIt) {
    std::string kept;
    {
        ScratchFolder a("nuvra-test-");
        ScratchFolder b("nuvra-test-");
        ASSERT_FALSE(a.path().empty());
        EXPECT_NE(a.path(), b.path());
        EXPECT_EQ(std::filesystem::path(a.path()).filename().string().rfind("nuvra-test-", 0), 0u);
        struct stat st {};
        ASSERT_EQ(::stat(a.path().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);  // not readable by other users
        std::filesystem::create_directories(a.path() + "/sub");
        test::writeFile(a.path() + "/sub/file.prn", "x");
        kept = a.path();
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
}

TEST(LineReader, ItemsLikeBasicInput) {
    TempDir dir;
    std::string f = dir.file("items");
    writeFile(f, "  12 , \"a,b\" junk, x\r\n\r\n\"quoted\"\n last \r\"open");
    LineReader in;
    ASSERT_EQ(in.open(f), 0);
    std::string item;
    bool quoted;
    const char* expected[] = {"12", "a,b", "x", "quoted", "last", "open"};
    for (const char* e : expected) {
        ASSERT_TRUE(in.readItem(item, quoted));
        EXPECT_EQ(item, e);
    }
    EXPECT_FALSE(in.readItem(item, quoted));
    EXPECT_FALSE(in.failed());
}

}  // namespace
}  // namespace nuvra
