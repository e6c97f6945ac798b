/* Loaded with LD_PRELOAD: makes flock, write (to a file other than the
   standard streams) and ftruncate fail as PHYCALC_FAULTS names them, to reach
   the failure paths that a healthy system never takes.  "short": a write to a file writes
   half; "swap": the first flock first moves the file PHYCALC_SWAP names to
   NAME.old and leaves a new empty file in its place, as another program
   might while a writer waits for the lock. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <unistd.h>

static int failing(const char* call) {
    const char* faults = getenv("PHYCALC_FAULTS");
    return faults && strstr(faults, call);
}

static void swapfile(void) {
    static int swapped = 0;
    const char* path = getenv("PHYCALC_SWAP");
    if (swapped || !path || !failing("swap")) return;
    swapped = 1;
    char old[4096];
    snprintf(old, sizeof old, "%s.old", path);
    if (rename(path, old) == 0) close(open(path, O_WRONLY | O_CREAT | O_EXCL, 0644));
}

int flock(int fd, int operation) {
    swapfile();
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
    if (fd > 2 && count > 1 && failing("short")) return real(fd, buffer, count / 2);
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
