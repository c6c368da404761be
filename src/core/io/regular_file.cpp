#include "io/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo::io {

RegularFileForReading::RegularFileForReading(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        m_problem = OpenProblem::SystemError;
        m_errno = errno;
        return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        m_problem = OpenProblem::SystemError;
        m_errno = errno;
    } else if (S_ISDIR(st.st_mode)) {
        m_problem = OpenProblem::Directory;
    } else if (!S_ISREG(st.st_mode)) {
        m_problem = OpenProblem::NotRegular;
    } else {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
            m_problem = OpenProblem::SystemError;
            m_errno = errno;
        }
    }
    if (m_problem != OpenProblem::None) {
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_size = static_cast<unsigned long long>(st.st_size);
}

RegularFileForReading::~RegularFileForReading()
{
    close();
}

int RegularFileForReading::close()
{
    if (m_fd < 0)
        return 0;
    const int result = ::close(m_fd);
    m_fd = -1;
    return result == 0 ? 0 : errno;
}

} // namespace tarvo::io
