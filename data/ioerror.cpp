#include "data/ioerror.h"

#include <cerrno>

std::string ioerrortext(int errnoValue, bool writing) {
    switch (errnoValue) {
    case ENOENT:
        // A missing file to read, or a missing folder to write into.
        return writing ? "Path not found" : "File not found";
    case ENOTDIR:
    case ENAMETOOLONG:
        return "Path not found";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return "File access denied";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Disk full";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    default:
        return writing ? "Disk write error" : "Disk read error";
    }
}
