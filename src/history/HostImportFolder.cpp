#include "history/HostImportFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/AtomicFile.h"
#include "platform/MakeFolders.h"

namespace torvane {

bool HostImportFolder::Make(std::string& error) {
    if (MakeFolders(m_path)) {
        return true;
    }
    const int why = errno;
    struct stat st {};
    const bool inTheWay = ::stat(m_path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
    error = "cannot make the folder " + m_path + ": " +
            (inTheWay ? std::string("a file is in the way") : std::string(std::strerror(why)));
    return false;
}

IImportFolder::Existing HostImportFolder::Compare(const std::string& name,
                                                  const std::vector<std::uint8_t>& bytes) {
    const std::string path = PathOf(name);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 && errno == ENOENT) {
        return Existing::Missing;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        return Existing::Different;
    }
    std::vector<std::uint8_t> held(bytes.size() + 1);
    std::size_t got = 0;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    while (ok && got < held.size()) {
        const ssize_t n = ::read(fd, held.data() + got, held.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return ok && got == bytes.size() && std::memcmp(held.data(), bytes.data(), got) == 0
               ? Existing::Same
               : Existing::Different;
}

IImportFolder::Created HostImportFolder::Create(const std::string& name,
                                                const std::vector<std::uint8_t>& bytes,
                                                std::string& error) {
    const std::string path = PathOf(name);
    switch (AtomicFile::CreateNew(path, bytes)) {
        case NewFileResult::Created:
            return Created::Written;
        case NewFileResult::Exists:
            return Created::Taken;
        case NewFileResult::CannotCreate:
            error = "Cannot create file " + path;
            return Created::Failed;
        case NewFileResult::WriteFailed:
            break;
    }
    error = "Cannot write file " + path;
    return Created::Failed;
}

std::string HostImportFolder::PathOf(const std::string& name) const {
    return m_path == "/" ? "/" + name : m_path + "/" + name;
}

}  // namespace torvane
