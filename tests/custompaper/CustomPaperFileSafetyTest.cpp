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
constexpr uid_t kNobody = 65534;
constexpr int kChildWrote = 10;
constexpr int kChildFailed = 11;

std::tm FixedTime() {
    std::tm time{};
    time.tm_year = 124;
    time.tm_mday = 1;
    return time;
}

CustomPaperFileEntry Numbered(int k) {
    return {.customName = "Setting " + std::to_string(k), .id = k, .density = k % 50};
}

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    return names;
}

// The write's result from a child process, so that a changed user or a file size limit stays
// there.
int WriteInChild(const std::function<bool()>& prepare, const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (!prepare()) ::_exit(1);
        CustomPaperFile file(FixedTime);
        ::_exit(file.Write(path, kModel, 2, Numbered(2)) == 0 ? kChildWrote : kChildFailed);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status)) return -2;
    return WEXITSTATUS(status) == kChildWrote ? 0 : WEXITSTATUS(status) == kChildFailed ? -1 : -2;
}

// Root may write anywhere; the child gives that up first.
bool AsUserWithoutRights() {
    if (::geteuid() != 0) return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
}

bool WithFullDisk() {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, 64};
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

TEST(CustomPaperFileSafety, AFailedWriteLeavesTheFileAsItWas) {
    struct Row {
        const char* what;
        const char* model;
        std::function<bool()> inChild;
        mode_t folderMode = 0755;
        bool folderInPlace = false;
    };
    const std::vector<Row> rows = {
        {"a file of another model", "ZENTA Heron 9000", nullptr},
        {"a folder without write permission", kModel, AsUserWithoutRights, 0555},
        {"a full disk", kModel, WithFullDisk},
        {"a folder in the file's place", kModel, nullptr, 0755, true},
    };
    for (const Row& row : rows) {
        const TempFolder temp;
        const std::string folder = temp.Path() + "/files";
        const std::string path = folder + "/Kept.zcf";
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        CustomPaperFile file(FixedTime);
        if (row.folderInPlace) {
            ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
        } else {
            ASSERT_EQ(file.Write(path, kModel, 1, Numbered(1)), 0);
        }
        const std::string before = ReadFileText(path);
        ::chmod(temp.Path().c_str(), 0755);
        ::chmod(folder.c_str(), row.folderMode);
        const int result = row.inChild ? WriteInChild(row.inChild, path)
                                       : file.Write(path, row.model, 2, Numbered(2));
        ::chmod(folder.c_str(), 0755);
        EXPECT_EQ(result, -1) << row.what;
        EXPECT_EQ(ReadFileText(path), before) << row.what;
        EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"Kept.zcf"}) << row.what;
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
    EXPECT_EQ(file.GetMediaCount(), 2);
}

TEST(CustomPaperFileSafety, AWriterKilledMidwayLeavesTheOldOrTheNewFile) {
    const TempFolder temp;
    const std::string path = temp.Path() + "/Many.zcf";
    const std::string reference = temp.Path() + "/reference/Many.zcf";
    std::filesystem::create_directory(temp.Path() + "/reference");
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
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!std::filesystem::exists(path) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
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
    EXPECT_GT(written, 0);
}

}  // namespace
