/* Preloaded into Wine's Linux processes when 32-bit Wine runs under qemu-i386; it
 * mends two things in which the emulator differs from the kernel and Wine relies on.
 *
 * 1. Wine reserves its address ranges with mmap(MAP_FIXED_NOREPLACE) and trusts the
 * kernel to fail when the range is taken. qemu-user 7 passes the flag on as a mere
 * hint and answers with some other address, so Wine's reservations land all over
 * the 32-bit space and the shared user data page at 0x7ffe0000 can no longer be
 * mapped: no Windows program starts. Here the flag is honoured the way the kernel
 * does: the mapping is made only at the address asked for, or it fails with EEXIST.
 * Every other mmap goes through unchanged.
 *
 * 2. A page fault reaches Wine's SIGSEGV handler with the trap number -1 instead of
 * 14, so Wine does not see a page fault: the guard page below a thread's stack, which
 * Windows stacks grow by, becomes an "illegal instruction" and the process dies
 * (explorer.exe, the virtual desktop, first of all). The handler that Wine installs
 * is wrapped so that a fault on an address reaches it as the page fault it was. The
 * emulator does not report the access either; it is given as a write, the one kind
 * that write-watched pages, which are mapped read-only, can raise. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <signal.h>
#include <string.h>
#include <ucontext.h>
#include <sys/mman.h>
#include <sys/types.h>

#ifndef MAP_FIXED_NOREPLACE
#define MAP_FIXED_NOREPLACE 0x100000
#endif

typedef void *(*MmapFunction)(void *, size_t, int, int, int, off_t);
typedef void *(*Mmap64Function)(void *, size_t, int, int, int, off64_t);

static void *OnlyAtAddress(void *wanted, void *got, size_t length) {
  if (got != MAP_FAILED && got != wanted) {
    munmap(got, length);
    errno = EEXIST;
    return MAP_FAILED;
  }
  return got;
}

void *mmap(void *address, size_t length, int protection, int flags, int fd, off_t offset) {
  static MmapFunction next;
  if (!next) next = (MmapFunction)dlsym(RTLD_NEXT, "mmap");
  if (!(flags & MAP_FIXED_NOREPLACE)) return next(address, length, protection, flags, fd, offset);
  return OnlyAtAddress(address, next(address, length, protection, flags & ~MAP_FIXED_NOREPLACE, fd, offset),
                       length);
}

void *mmap64(void *address, size_t length, int protection, int flags, int fd, off64_t offset) {
  static Mmap64Function next;
  if (!next) next = (Mmap64Function)dlsym(RTLD_NEXT, "mmap64");
  if (!(flags & MAP_FIXED_NOREPLACE)) return next(address, length, protection, flags, fd, offset);
  return OnlyAtAddress(address, next(address, length, protection, flags & ~MAP_FIXED_NOREPLACE, fd, offset),
                       length);
}

enum { kPageFaultTrap = 14, kWriteAccess = 2 };

typedef void (*SignalHandler)(int, siginfo_t *, void *);
typedef int (*SigactionFunction)(int, const struct sigaction *, struct sigaction *);
static SignalHandler wineSegvHandler;

static void SegvAsPageFault(int signal, siginfo_t *info, void *context) {
  ucontext_t *uc = (ucontext_t *)context;
  if (uc->uc_mcontext.gregs[REG_TRAPNO] == -1 && (info->si_code == SEGV_MAPERR || info->si_code == SEGV_ACCERR)) {
    uc->uc_mcontext.gregs[REG_TRAPNO] = kPageFaultTrap;
    uc->uc_mcontext.gregs[REG_ERR] = kWriteAccess;
  }
  wineSegvHandler(signal, info, context);
}

int sigaction(int signal, const struct sigaction *action, struct sigaction *old) {
  static SigactionFunction next;
  if (!next) next = (SigactionFunction)dlsym(RTLD_NEXT, "sigaction");
  if (signal != SIGSEGV || !action || !(action->sa_flags & SA_SIGINFO) ||
      action->sa_sigaction == SegvAsPageFault) {
    return next(signal, action, old);
  }
  struct sigaction wrapped;
  memcpy(&wrapped, action, sizeof wrapped);
  wineSegvHandler = action->sa_sigaction;
  wrapped.sa_sigaction = SegvAsPageFault;
  return next(signal, &wrapped, old);
}
