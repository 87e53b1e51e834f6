#include "core/Error.h"
#include "core/TextFile.h"
#include "support/TempFolder.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace kestrava;
namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

std::string failureOf(const fs::path& path, std::string_view bytes)
{
    try {
        writeFileAtomically(path, bytes);
    } catch (const Error& error) {
        return error.what();
    }
    return "no failure";
}

std::vector<std::string> everyEntry(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A small tmpfs mounted for one test; mounting needs a privilege that a test
// run may lack, in which case the test is skipped.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(const fs::path& where) : m_where(where)
    {
        fs::create_directories(where);
        m_mounted = ::mount("tmpfs", where.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(m_where.c_str(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool mounted() const { return m_mounted; }

private:
    fs::path m_where;
    bool m_mounted = false;
};

} // namespace

TEST(SavePath, SymbolicLinksAreFollowedAndStayLinks)
{
    test::TempProgramFolder home;
    const fs::path root = home.root();
    home.writeRaw("real/target.txt", "old\r\n");
    fs::create_symlink("real/target.txt", root / "relative");
    fs::create_symlink(root / "relative", root / "chain");
    fs::create_symlink("real/new.txt", root / "dangling");

    writeLines(root / "chain", {"new"});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(root / "chain")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(root / "relative")));
    EXPECT_EQ(home.readRaw("real/target.txt"), "new\r\n");

    // A link whose target does not exist yet creates that target.
    writeLines(root / "dangling", {"made"});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(root / "dangling")));
    EXPECT_EQ(home.readRaw("real/new.txt"), "made\r\n");
    EXPECT_EQ(everyEntry(root / "real"), (std::vector<std::string>{"new.txt", "target.txt"}));

    fs::create_symlink("loop", root / "loop");
    EXPECT_THAT(failureOf(root / "loop", "x"), HasSubstr("Too many levels of symbolic links"));
}

TEST(SavePath, ReplacedFileKeepsItsModeAndOwner)
{
    test::TempProgramFolder home;
    const fs::path file = home.writeRaw("private.html", "old");
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), 1234, 5678), 0);
    }

    writeFileAtomically(file, "new");
    struct stat info = {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    if (root) {
        EXPECT_EQ(info.st_uid, 1234u);
        EXPECT_EQ(info.st_gid, 5678u);
    }
    EXPECT_EQ(home.readRaw("private.html"), "new");
}

TEST(SavePath, FolderInTheTargetsPlaceIsRefusedAndKept)
{
    test::TempProgramFolder home;
    home.writeRaw("out.srml/inside.txt", "kept");
    EXPECT_EQ(failureOf(home.root() / "out.srml", "x"),
              "Cannot write file \"" + (home.root() / "out.srml").string() + "\". It is a folder.");
    EXPECT_EQ(home.readRaw("out.srml/inside.txt"), "kept");
    EXPECT_EQ(everyEntry(home.root()), std::vector<std::string>{"out.srml"});

    // A file where a folder of the path should be.
    home.writeRaw("plain", "");
    EXPECT_THAT(failureOf(home.root() / "plain" / "x.txt", "x"), HasSubstr("Not a directory."));
}

TEST(SavePath, DeviceIsWrittenInPlaceAndAFullOneFails)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    test::TempProgramFolder home;
    const fs::path link = home.root() / "full";
    fs::create_symlink("/dev/full", link);
    EXPECT_THAT(failureOf(link, "lines\r\n"), HasSubstr("No space left on device."));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_TRUE(fs::is_character_file(fs::status(link)));

    // /dev/null takes the text and stays a device.
    const fs::path null = home.root() / "null";
    fs::create_symlink("/dev/null", null);
    writeFileAtomically(null, "lines\r\n");
    EXPECT_TRUE(fs::is_character_file(fs::status(null)));
    EXPECT_EQ(everyEntry(home.root()), (std::vector<std::string>{"full", "null"}));
}

TEST(SavePath, FifoIsWrittenInPlaceOrRefusedWhenNobodyReads)
{
    test::TempProgramFolder home;
    const fs::path fifo = home.root() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    EXPECT_EQ(failureOf(fifo, "x"),
              "Cannot write file \"" + fifo.string() + "\". Nothing reads from it.");
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));

    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    writeLines(fifo, {"through", "the pipe"});
    char buffer[64] = {};
    const ssize_t got = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0))),
              "through\r\nthe pipe\r\n");
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
    EXPECT_EQ(everyEntry(home.root()), std::vector<std::string>{"pipe"});
}

TEST(SavePath, FullDiskReportsNoSpaceAndKeepsTheOldFile)
{
    test::TempProgramFolder home;
    SmallFileSystem small(home.root() / "small");
    if (!small.mounted())
        GTEST_SKIP() << "mounting a tmpfs is not allowed here";
    const fs::path folder = home.root() / "small";
    writeFileAtomically(folder / "old.srml", "old text");
    {
        // Fill what is left, so even a short text finds no room.
        std::ofstream filler(folder / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        for (int i = 0; i < 64 && filler; ++i)
            filler.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    const auto noSpace = [](const fs::path& path) {
        return "Cannot write file \"" + path.string() + "\". No space left on device.";
    };
    // A save under a new name first looks whether the name is free.
    EXPECT_FALSE(fs::exists(folder / "new.srml"));
    EXPECT_EQ(failureOf(folder / "new.srml", "a short text\r\n"), noSpace(folder / "new.srml"));
    EXPECT_EQ(failureOf(folder / "old.srml", std::string(256 * 1024, 'x')),
              noSpace(folder / "old.srml"));
    EXPECT_EQ(failureOf(folder / "old.srml", "new text"), noSpace(folder / "old.srml"));
    EXPECT_EQ(readFile(folder / "old.srml"), "old text");
    EXPECT_EQ(everyEntry(folder), (std::vector<std::string>{"filler", "old.srml"}));
}

TEST(SavePath, TemporaryFilesOfAKilledSaveAreNeverListedAndGoAtTheNextSave)
{
    test::TempProgramFolder home;
    const fs::path folder = home.root() / "database";
    fs::create_directories(folder);
    const fs::path target = folder / "reading.srml";

    // A child saves big files until it is killed in the middle of a write.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string bytes(8 * 1024 * 1024, 'x');
        for (;;) {
            try {
                writeFileAtomically(target, bytes);
            } catch (...) {
                ::_exit(1);
            }
        }
    }
    // Stopped while a temporary file is there, then killed: a kill -9 mid-save.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    bool caught = false;
    while (!caught && std::chrono::steady_clock::now() < deadline) {
        if (everyEntry(folder).size() > 1) {
            ::kill(child, SIGSTOP);
            int stopped = 0;
            ::waitpid(child, &stopped, WUNTRACED);
            for (const auto& name : everyEntry(folder))
                caught = caught || name != "reading.srml";
            if (!caught)
                ::kill(child, SIGCONT);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(caught) << "the child never wrote";

    // Whatever the kill left behind, no listing shows it.
    std::vector<std::string> left;
    for (const auto& name : everyEntry(folder))
        if (name != "reading.srml")
            left.push_back(name);
    ASSERT_FALSE(left.empty());
    const auto listed = listFiles(folder);
    EXPECT_TRUE(listed.empty() || listed == std::vector<std::string>{"reading.srml"});
    EXPECT_EQ(left.front().front(), '.') << left.front();

    // A temporary file of a program that still runs is left alone.
    const std::string alive = ".other.srml." + std::to_string(::getppid()) + "-7.kestrava-tmp";
    home.writeRaw("database/" + alive, "being written");

    writeLines(folder / "next.srml", {"x"});
    std::vector<std::string> expected{alive, "next.srml"};
    if (fs::exists(target))
        expected.push_back("reading.srml");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(everyEntry(folder), expected);
}
