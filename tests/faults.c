/* Loaded with LD_PRELOAD: makes flock, write (to a file other than the
   standard streams) and ftruncate fail as PHYCALC_FAULTS names them, to reach
   the failure paths that a healthy system never takes. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <unistd.h>

static int failing(const char* call) {
    const char* faults = getenv("PHYCALC_FAULTS");
    return faults && strstr(faults, call);
}

int flock(int fd, int operation) {
    if (failing("flock")) {
        errno = ENOLCK;
        return -1;
    }
    int (*real)(int, int) = (int (*)(int, int))dlsym(RTLD_NEXT, "flock");
    return real(fd, operation);
}

ssize_t write(int fd, const void* buffer, size_t count) {
    if (fd > 2 && failing("write")) {
        errno = ENOSPC;
        return -1;
    }
    ssize_t (*real)(int, const void*, size_t) = (ssize_t(*)(int, const void*, size_t))dlsym(RTLD_NEXT, "write");
    return real(fd, buffer, count);
}

int ftruncate(int fd, off_t length) {
    if (failing("ftruncate")) {
        errno = EIO;
        return -1;
    }
    int (*real)(int, off_t) = (int (*)(int, off_t))dlsym(RTLD_NEXT, "ftruncate");
    return real(fd, length);
}
