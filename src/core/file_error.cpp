#include "core/file_error.h"

#include "core/error.h"

#include <cerrno>

namespace tolvar {

std::string fileErrorMessage(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
    case EISDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return "File access denied";
    case ENOSPC:
#ifdef EDQUOT // Windows has no disk quotas in errno
    case EDQUOT:
#endif
        return "Disk full";
    default:
        return "I/O error " + std::to_string(errorNumber);
    }
}

void throwFileError(int errorNumber) { throw Error(fileErrorMessage(errorNumber)); }

void throwReadBeyondEnd() { throw Error("Read beyond end of file"); }

} // namespace tolvar
