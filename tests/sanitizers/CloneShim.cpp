// Preloaded into the ThreadSanitizer runs (make sanitize-thread). QProcess starts a child with
// glibc's clone() in vfork style (the child shares the parent's memory until it execs), and
// TSan's interceptor of clone() then runs its after-fork code for the child in that shared
// memory: the parent believes it is a forked child and ignores every access from then on, so a
// test that starts a helper process (the sound server, the stream server, a recorder) would be
// checked no further. This clone() goes straight to glibc's; TSan keeps checking the parent.
#include <dlfcn.h>
#include <sched.h>
#include <sys/types.h>

#include <cstdarg>

using CloneFunction = int (*)(int (*)(void *), void *, int, void *, ...);

extern "C" int clone(int (*fn)(void *), void *stack, int flags, void *arg, ...)
{
    static const auto real =
        reinterpret_cast<CloneFunction>(dlsym(dlopen("libc.so.6", RTLD_NOW | RTLD_NOLOAD), "clone"));
    va_list rest;
    va_start(rest, arg);
    auto *parentTid = va_arg(rest, pid_t *);
    void *tls = va_arg(rest, void *);
    auto *childTid = va_arg(rest, pid_t *);
    va_end(rest);
    return real(fn, stack, flags, arg, parentTid, tls, childTid);
}
