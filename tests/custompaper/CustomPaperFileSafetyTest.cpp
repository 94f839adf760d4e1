#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "FileText.h"
#include "TempFolder.h"
#include "custompaper/CustomPaperFile.h"

namespace {

constexpr const char* kModel = "ZENTA Corvid 4000";

const auto FixedTime = [] { return std::tm{}; };

CustomPaperFileEntry Numbered(int k) {
    return {.customName = "Setting " + std::to_string(k), .id = k, .density = k % 50};
}

// The write's result from a child process, so that a changed user or a file size limit stays
// there; -2 when the child could not be prepared.
int WriteInChild(const std::function<bool()>& prepare, const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (!prepare()) ::_exit(2);
        ::_exit(-CustomPaperFile(FixedTime).Write(path, kModel, 2, Numbered(2)));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? -WEXITSTATUS(status) : -2;
}

// Root may write anywhere; the child gives that up first and becomes "nobody".
bool AsUserWithoutRights() {
    return ::geteuid() != 0 ||
           (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0);
}

bool WithFullDisk() {
    const rlimit limit{64, 64};
    return ::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

TEST(CustomPaperFileSafety, AFailedWriteLeavesTheFileAsItWas) {
    // what, the file's model, what the writing child takes on (none: no child), the folder's and
    // the file's modes, a folder in the file's place
    const std::vector<
        std::tuple<const char*, const char*, std::function<bool()>, mode_t, mode_t, bool>>
        rows = {
            {"another model", "ZENTA Heron 9000", nullptr, 0755, 0666, false},
            {"a folder without write permission", kModel, AsUserWithoutRights, 0555, 0666, false},
            {"a file without write permission", kModel, AsUserWithoutRights, 0777, 0444, false},
            {"a full disk", kModel, WithFullDisk, 0755, 0666, false},
            {"a folder in the file's place", kModel, nullptr, 0755, 0755, true},
        };
    for (const auto& [what, model, inChild, folderMode, fileMode, folderInPlace] : rows) {
        const TempFolder temp;
        const std::string folder = temp.Path() + "/files";
        const std::string path = folder + "/Kept.zcf";
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        CustomPaperFile file(FixedTime);
        ASSERT_EQ(
            folderInPlace ? ::mkdir(path.c_str(), 0755) : file.Write(path, kModel, 1, Numbered(1)),
            0);
        const std::string before = ReadFileText(path);
        ::chmod(temp.Path().c_str(), 0755);
        ::chmod(folder.c_str(), folderMode);
        ::chmod(path.c_str(), fileMode);
        const int result =
            inChild ? WriteInChild(inChild, path) : file.Write(path, model, 2, Numbered(2));
        ::chmod(folder.c_str(), 0755);
        EXPECT_EQ(result, -1) << what;
        EXPECT_EQ(ReadFileText(path), before) << what;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << what;
    }
}

TEST(CustomPaperFileSafety, AWriteKeepsTheLinkAndThePermissions) {
    const TempFolder temp;
    const std::string target = temp.Path() + "/Target.zcf";
    const std::string link = temp.Path() + "/Link.zcf";
    CustomPaperFile file(FixedTime);
    ASSERT_EQ(file.Write(target, kModel, 1, Numbered(1)), 0);
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    ASSERT_EQ(::symlink("Target.zcf", link.c_str()), 0);
    ASSERT_EQ(file.Write(link, kModel, 2, Numbered(2)), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
}

TEST(CustomPaperFileSafety, AWriterKilledMidwayLeavesTheOldOrTheNewFile) {
    const TempFolder temp, referenceFolder;
    const std::string path = temp.Path() + "/Many.zcf";
    const std::string reference = referenceFolder.Path() + "/Many.zcf";
    CustomPaperFile referenceFile(FixedTime);
    int written = 0;
    // Kills at unrelated moments land in different steps of a write.
    for (const int delayMs : {7, 23, 41, 59, 83}) {
        const pid_t child = ::fork();
        if (child == 0) {
            CustomPaperFile file(FixedTime);
            for (int k = written + 1; k <= 2000; ++k) file.Write(path, kModel, k, Numbered(k));
            ::_exit(0);
        }
        for (int waitedMs = 0; waitedMs < 10000 && !std::filesystem::exists(path); ++waitedMs)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        CustomPaperFile file;
        ASSERT_EQ(file.Open(path, kModel), 0) << delayMs;
        const int count = file.GetMediaCount();
        ASSERT_GE(count, written) << delayMs;
        // Exactly what writing the settings one after another up to the count gives.
        for (int k = written + 1; k <= count; ++k)
            ASSERT_EQ(referenceFile.Write(reference, kModel, k, Numbered(k)), 0);
        ASSERT_EQ(ReadFileText(path), ReadFileText(reference)) << delayMs;
        written = count;
    }
}

}  // namespace
