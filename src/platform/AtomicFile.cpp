#include "platform/AtomicFile.h"

#include "platform/Log.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::atomic<AtomicWriteFault> g_fault{AtomicWriteFault::None};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::string folderOf(const std::string& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// After the rename the folder entry itself must reach the disk, or a power
// cut could bring back the old name.
void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::optional<std::string> readWholeFile(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string out;
    char buffer[64 * 1024];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        out.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return out;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty() || path.back() == '/')
        return false;
    std::string temp = path + ".tmp.XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        logf("cannot write {}: {}", path, std::strerror(errno));
        return false;
    }
    // Reading umask would change it for every thread; data files get 0644.
    ::fchmod(fd, 0644);

    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        logf("cannot write {}: {}", path, std::strerror(errno));
        ::unlink(temp.c_str());
        return false;
    }
    if (g_fault.load() == AtomicWriteFault::CrashBeforeRename)
        return false;
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        logf("cannot replace {}: {}", path, std::strerror(errno));
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(folderOf(path));
    return true;
}

void setAtomicWriteFaultForTesting(AtomicWriteFault fault) {
    g_fault = fault;
}

} // namespace platform
