#include "custompaper/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <optional>

#include "config/FileDescriptor.h"

namespace {

// Leaves room in the temporary name for its prefix and suffix within the usual 255-byte limit.
constexpr size_t kMaxNameStem = 200;
constexpr int kNameAttempts = 100;

// The file a path stands for; a symbolic link is followed to its target.
std::optional<std::string> TargetOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    if (error) return std::nullopt;
    return target.string();
}

struct FolderAndName {
    std::string folder;
    std::string name;
};

FolderAndName SplitPath(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// The new content while it is written: removed again unless it took the file's place.
class PendingFile {
  public:
    PendingFile() = default;
    ~PendingFile() {
        file_.Reset();
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // A new hidden file beside the target, with the permissions a new file gets.
    bool Create(const FolderAndName& target) {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const std::string path = target.folder + "/." + target.name.substr(0, kMaxNameStem) +
                                     "." + std::to_string(::getpid()) + "-" +
                                     std::to_string(stamp + attempt) + ".tmp";
            const int fd =
                ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd >= 0) {
                file_.Reset(fd);
                path_ = path;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }

    bool Fill(std::string_view content) {
        while (!content.empty()) {
            const ssize_t written = ::write(file_.Get(), content.data(), content.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return false;
            content.remove_prefix(static_cast<size_t>(written));
        }
        return ::fsync(file_.Get()) == 0;
    }

    bool TakePermissions(mode_t mode) { return ::fchmod(file_.Get(), mode) == 0; }

    bool MoveTo(const std::string& target) {
        // A late write error of some file systems shows only here.
        if (::close(file_.Release()) != 0) return false;
        if (::rename(path_.c_str(), target.c_str()) != 0) return false;
        path_.clear();
        return true;
    }

  private:
    FileDescriptor file_;
    std::string path_;
};

// Makes the rename itself survive a stop of the machine. The new content is in place already
// when this fails, so there is nothing to undo.
void SyncFolder(const std::string& folder) {
    const FileDescriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.Valid()) ::fsync(handle.Get());
}

}  // namespace

int ReplaceFileContent(const std::string& path, std::string_view content) {
    const std::optional<std::string> target = TargetOf(path);
    if (!target) return -1;
    struct stat info {};
    std::optional<mode_t> permissions;
    if (::stat(target->c_str(), &info) == 0) {
        // A file the user may not write stays as it is, though its folder would allow the rename.
        if (!S_ISREG(info.st_mode) || ::access(target->c_str(), W_OK) != 0) return -1;
        permissions = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return -1;
    }

    const FolderAndName parts = SplitPath(*target);
    PendingFile pending;
    if (!pending.Create(parts)) return -1;
    if (permissions && !pending.TakePermissions(*permissions)) return -1;
    if (!pending.Fill(content) || !pending.MoveTo(*target)) return -1;
    SyncFolder(parts.folder);
    return 0;
}
