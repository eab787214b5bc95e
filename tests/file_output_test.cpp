// Every file simhost writes is replaced whole or not at all: a write that fails leaves the
// previous file as it was and nothing beside it, and says which of the user's files it
// could not write and the system's reason. A folder where simhost reads a file is named as
// a folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#if !defined(_WIN32)

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <future>
#endif

#include "simhost/modeller/modelling_tools.h"
#include "simhost/files/obj_mesh.h"
#include "simhost/host/platform.h"
#include "simhost/host/safe_write.h"
#include "simhost/language/session_script.h"
#include "simhost/host/settings_tree.h"
#include "simhost/files/svg_picture.h"

namespace simhost {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::HasSubstr;

std::string Reason(std::errc code) { return std::make_error_code(code).message(); }

// The message of what `action` throws, or "" when it throws nothing.
std::string ErrorOf(const std::function<void()> &action) {
    try {
        action();
    } catch (const std::exception &error) {
        return error.what();
    }
    return "";
}

#if !defined(_WIN32)
// Files this process writes may grow to `bytes` and no further, as if the disk filled up
// there; root is held to it too, where permission bits would not stop a write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved_{};
    void (*handler_)(int);
};
#endif

class FileOutput : public testing::Test {
protected:
    FileOutput() {
        dir = fs::temp_directory_path() /
              ("simhost-files-" + std::to_string(testing::UnitTest::GetInstance()->random_seed()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        settings.pluginPath = STELMARIN_PLUGIN_FILE;
        settings.settingsFile = (dir / "settings.xml").string();
        settings.outDir = (dir / "out").string();
        AddGrid(document, "g", 4, 3, 1.0f);
        picture.document = &document;
        picture.title = "g";
    }
    ~FileOutput() override { fs::remove_all(dir); }

    static std::string Put(const fs::path &file, const std::string &text) {
        std::ofstream(file, std::ios::binary) << text;
        return file.string();
    }
    static std::string Read(const fs::path &file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // What a folder holds, sorted: a temporary file left behind shows here.
    static std::vector<std::string> Names(const fs::path &folder) {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    StepResult Run(const std::string &script) {
        const fs::path file = dir / "test.session";
        Put(file, script);
        ScriptRunner runner(settings, output);
        return runner.RunFile(file.string());
    }

    struct Writer {
        std::string what;
        std::function<void(const std::string &)> write;
        std::string cannot = "cannot write '";  // how its failure begins, before the path
    };
    // The writers that take a path as it is: pictures, meshes and the host's settings.
    std::vector<Writer> Writers() {
        return {{"picture", [this](const std::string &path) { WritePicture(path, picture); }},
                {"mesh", [this](const std::string &path) { SaveObj(path, document); }},
                {"settings", [](const std::string &path) { SettingsTree().Save(path); }, "cannot write settings '"}};
    }

    fs::path dir;
    ScriptSettings settings;
    std::ostringstream output;
    Document document;
    PictureContent picture;
};

TEST_F(FileOutput, AWriteOntoAFolderOrIntoAMissingOneFailsNamingTheUsersFile) {
    for (const Writer &writer : Writers()) {
        SCOPED_TRACE(writer.what);
        const fs::path folder = dir / writer.what;
        fs::create_directories(folder / "taken");
        const std::string taken = (folder / "taken").string();
        EXPECT_EQ(ErrorOf([&] { writer.write(taken); }),
                  writer.cannot + taken + "': " + Reason(std::errc::is_a_directory));
        EXPECT_THAT(Names(folder), ElementsAre("taken"));
        EXPECT_TRUE(fs::is_empty(taken));
    }
    // The settings make their folder; pictures and meshes go where the caller made room.
    const std::string nowhere = (dir / "no folder" / "lost").string();
    for (const Writer &writer : {Writers()[0], Writers()[1]}) {
        SCOPED_TRACE(writer.what);
        EXPECT_EQ(ErrorOf([&] { writer.write(nowhere); }),
                  "cannot write '" + nowhere + "': " + Reason(std::errc::no_such_file_or_directory));
    }
    EXPECT_FALSE(fs::exists(dir / "no folder"));

    const fs::path out = dir / "out";
    fs::create_directories(out / "taken");
    ScriptRunner runner(settings, output);
    EXPECT_EQ(runner.RunLine("report taken", "stdin:1"), StepResult::BadInput);
    EXPECT_THAT(output.str(), HasSubstr("stdin:1: cannot write '" + (out / "taken").string() +
                                        "': " + Reason(std::errc::is_a_directory)));
    EXPECT_THAT(Names(out), ElementsAre("taken"));
}

TEST_F(FileOutput, AFolderWhereAFileIsReadIsNamedAsAFolder) {
    const fs::path folder = dir / "folder.xml";
    fs::create_directories(folder);
    EXPECT_EQ(ErrorOf([&] { SettingsTree().Load(folder.string()); }),
              "the settings file '" + folder.string() + "' is a folder");

    EXPECT_EQ(Run("load folder.xml\n"), StepResult::BadInput);
    EXPECT_THAT(output.str(), HasSubstr("test.session:1: " + folder.string() + ": is a folder, not a file"));

    ScriptRunner runner(settings, output);
    EXPECT_EQ(runner.RunFile(folder.string()), StepResult::BadInput);
    EXPECT_THAT(output.str(), HasSubstr("the session file '" + folder.string() + "' is a folder"));

    settings.settingsFile = folder.string();
    EXPECT_EQ(Run("make grid g 2 2\n"), StepResult::BadInput);
    EXPECT_THAT(output.str(), HasSubstr("test.session:1: the settings file '" + folder.string() + "' is a folder"));
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(FileOutput, AFileIsListedAsWrittenOnlyOnceItIsInPlace) {
    const fs::path out = dir / "out";
    fs::create_directories(out / "dir.obj");
    fs::create_directories(out / "pic.svg");
    ScriptRunner runner(settings, output);
    ASSERT_EQ(runner.RunLine("make grid g 2 2", "stdin:1"), StepResult::Ok) << output.str();
    EXPECT_EQ(runner.RunLine("save dir.obj", "stdin:2"), StepResult::BadInput);
    EXPECT_EQ(runner.RunLine("picture pic.svg", "stdin:3"), StepResult::BadInput);
    EXPECT_EQ(runner.RunLine("report dir.obj", "stdin:4"), StepResult::BadInput);
    EXPECT_TRUE(runner.written().empty()) << runner.written().front();
    EXPECT_EQ(runner.RunLine("save g.obj", "stdin:5"), StepResult::Ok) << output.str();
    EXPECT_EQ(runner.RunLine("save g.obj", "stdin:6"), StepResult::Ok) << output.str();
    EXPECT_THAT(runner.written(), ElementsAre((out / "g.obj").string()));
}

TEST_F(FileOutput, WhatAWriteCutShortLeftIsRemovedAfterAnHourAndSaidOnce) {
    const fs::path out = dir / "out";
    fs::create_directories(out);
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(2);
    const auto leave = [&](const fs::path &file, bool stale) {
        Put(file, "half a mesh");
        if (stale) fs::last_write_time(file, old);
    };
    leave(out / "a.obj.0123456789abcdef.tmp", true);
    leave(out / "a.obj.fedcba9876543210.tmp", true);
    // Another simhost may be writing a.obj now; and these are not a.obj's, or not ours.
    leave(out / "a.obj.00000000000000aa.tmp", false);
    leave(out / "b.obj.0123456789abcdef.tmp", true);
    // Upper-case hex is not ours; a name of its own, since where names ignore case the
    // upper-case twin of one of ours would be the same file.
    leave(out / "a.obj.ABCDEF0123456789.tmp", true);
    leave(out / "a.obj.0123.tmp", true);
    leave(out / "xa.obj.0123456789abcdef.tmp", true);
    leave(dir / "settings.xml.0123456789abcdef.tmp", true);
    fs::create_directories(out / "a.obj.1111111111111111.tmp");
    // Windows' C runtime cannot set a folder's time; there the folder stays young, and it
    // must stay whatever its age.
    std::error_code ignored;
    fs::last_write_time(out / "a.obj.1111111111111111.tmp", old, ignored);

    EXPECT_EQ(Run("make grid g 2 2\nsave a.obj\nsave a.obj\ninit\n"), StepResult::Ok) << output.str();
    EXPECT_THAT(Names(out), ElementsAre("a.obj", "a.obj.00000000000000aa.tmp", "a.obj.0123.tmp",
                                        "a.obj.1111111111111111.tmp", "a.obj.ABCDEF0123456789.tmp",
                                        "b.obj.0123456789abcdef.tmp", "xa.obj.0123456789abcdef.tmp"));
    EXPECT_FALSE(fs::exists(dir / "settings.xml.0123456789abcdef.tmp"));
    const std::string text = output.str();
    const std::string said = "test.session:2: removed what writes of " + (out / "a.obj").string() +
                             " cut short more than an hour ago left beside it: " +
                             (out / "a.obj.0123456789abcdef.tmp").string() + ", " +
                             (out / "a.obj.fedcba9876543210.tmp").string() + "\n";
    EXPECT_THAT(text, HasSubstr(said));
    EXPECT_EQ(text.find("removed what"), text.rfind("removed what writes of " + (out / "a.obj").string())) << text;
    EXPECT_THAT(text, HasSubstr("removed what writes of " + (dir / "settings.xml").string()));
}

#if !defined(_WIN32)
TEST_F(FileOutput, ASettingsFileThatNeverEndsIsRefusedNotReadForever) {
    EXPECT_EQ(ErrorOf([] { SettingsTree().Load("/dev/zero"); }),
              "the settings file '/dev/zero' is larger than 16 MiB; it was left as it is");
}
TEST_F(FileOutput, AWriteCutShortKeepsThePreviousFileAndLeavesNoTemporaryOne) {
    for (const Writer &writer : Writers()) {
        SCOPED_TRACE(writer.what);
        const fs::path folder = dir / writer.what;
        fs::create_directories(folder);
        const std::string path = Put(folder / "kept", "old\n");
        std::string error;
        {
            const FileSizeLimit disk(16);
            error = ErrorOf([&] { writer.write(path); });
        }
        EXPECT_EQ(error, writer.cannot + path + "': " + Reason(std::errc::file_too_large));
        EXPECT_EQ(Read(path), "old\n");
        EXPECT_THAT(Names(folder), ElementsAre("kept"));
    }
}

TEST_F(FileOutput, FailedReportWriteKeepsThePreviousReport) {
    ScriptRunner runner(settings, output);
    ASSERT_EQ(runner.RunLine("make grid g 2 2", "stdin:1"), StepResult::Ok) << output.str();
    const fs::path out = dir / "out";
    fs::create_directories(out);
    const std::string previous = Put(out / "report.txt", "the last report\n");
    {
        const FileSizeLimit disk(16);
        EXPECT_EQ(runner.RunLine("report report.txt", "stdin:2"), StepResult::BadInput);
    }
    EXPECT_THAT(output.str(),
                HasSubstr("stdin:2: cannot write '" + previous + "': " + Reason(std::errc::file_too_large)));
    EXPECT_EQ(Read(previous), "the last report\n");
    EXPECT_THAT(Names(out), ElementsAre("report.txt"));
}

TEST_F(FileOutput, AFullDeviceFailsTheWriteWithItsReasonAndStaysADevice) {
    if (!fs::is_character_file("/dev/full")) GTEST_SKIP() << "this system has no /dev/full";
    EXPECT_EQ(ErrorOf([] { WriteWholeFile("/dev/full", "<settings/>\n"); }),
              "cannot write '/dev/full': " + Reason(std::errc::no_space_on_device));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(FileOutput, AReplacedFileKeepsItsPermissionsAndALinkStillLeadsToIt) {
    const std::string real = Put(dir / "real.xml", "old\n");
    const fs::perms privateToOwner = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(real, privateToOwner);
    fs::create_symlink("real.xml", dir / "link.xml");
    SettingsTree().Save((dir / "link.xml").string());
    EXPECT_TRUE(fs::is_symlink(dir / "link.xml"));
    EXPECT_THAT(Read(real), HasSubstr("<pluginsettings"));
    EXPECT_EQ(fs::status(real).permissions(), privateToOwner);
    EXPECT_THAT(Names(dir), ElementsAre("link.xml", "real.xml"));
}
TEST_F(FileOutput, ANamedPipeOrASocketIsRefusedUnopenedAndNeverWaitedOn) {
    const fs::path out = dir / "out";
    fs::create_directories(out);
    const fs::path pipe = out / "pipe.obj";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const fs::path socketFile = out / "socket.obj";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketFile.string().size(), sizeof address.sun_path);
    std::strncpy(address.sun_path, socketFile.c_str(), sizeof address.sun_path - 1);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);

    // The message of what `write` throws. A write that waits on the pipe is let go by a
    // reader after a while, and fails the test.
    const auto refusal = [&](const std::function<void()> &write) {
        std::future<std::string> done = std::async(std::launch::async, [&] { return ErrorOf(write); });
        if (done.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            ADD_FAILURE() << "the write waited for a reader of the pipe";
            const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
            std::string error = done.get();
            close(reader);
            return error;
        }
        return done.get();
    };
    for (const Writer &writer : Writers()) {
        SCOPED_TRACE(writer.what);
        EXPECT_EQ(refusal([&] { writer.write(pipe.string()); }),
                  writer.cannot + pipe.string() +
                      "': it is a named pipe, which would wait for a reader; only files and devices are written");
        EXPECT_EQ(refusal([&] { writer.write(socketFile.string()); }),
                  writer.cannot + socketFile.string() + "': it is a socket; only files and devices are written");
    }
    // A link to a pipe is the pipe.
    fs::create_symlink(pipe, dir / "link.obj");
    EXPECT_THAT(refusal([&] { WriteWholeFile((dir / "link.obj").string(), "v 0 0 0\n"); }),
                HasSubstr("it is a named pipe"));

    StepResult saved = StepResult::Ok;
    refusal([&] { saved = Run("make grid g 2 2\nsave pipe.obj\n"); });
    EXPECT_EQ(saved, StepResult::BadInput);
    EXPECT_THAT(output.str(), HasSubstr("test.session:2: cannot write '" + pipe.string() + "': it is a named pipe"));
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_socket(socketFile));
    close(listener);
}

TEST_F(FileOutput, APipePutWhereADeviceWasFoundIsNotWrittenEvenWithAReader) {
    const fs::path pipe = dir / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(platform::WriteToDevice(pipe.string(), "bytes"), std::errc::no_such_device_or_address);
    char read[8];
    EXPECT_EQ(::read(reader, read, sizeof read), 0) << "nothing reached the reader";
    close(reader);
    EXPECT_EQ(platform::WriteToDevice("/dev/null", "bytes"), std::error_code());
}
#endif

}  // namespace
}  // namespace simhost
