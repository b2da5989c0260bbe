// Descriptors 0-2 reserved in a child process started with some of them
// closed, as a shell's `>&-` starts a program.
#include "files/standard_descriptors.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tw {
namespace {

bool SameFile(int fd, const struct stat& expected) {
  struct stat s {};
  return fstat(fd, &s) == 0 && s.st_dev == expected.st_dev && s.st_ino == expected.st_ino &&
         s.st_rdev == expected.st_rdev;
}

// In the child: closes the descriptors of `closed` (bit i for descriptor i),
// reserves, and exits with a bit set for each descriptor that is not as
// expected, and bit 3 when the next file opened is not numbered 3 or more.
int ChildOutcome(int closed) {
  const pid_t child = fork();
  if (child == 0) {
    struct stat null {
    }, before[3]{};
    stat("/dev/null", &null);
    for (int fd = 0; fd <= 2; ++fd) {
      fstat(fd, &before[fd]);
      if (closed & (1 << fd))
        close(fd);
    }
    ReserveStandardDescriptors();
    int wrong = 0;
    for (int fd = 0; fd <= 2; ++fd) {
      const bool ok = (closed & (1 << fd)) ? SameFile(fd, null) && fcntl(fd, F_GETFL) & O_RDWR
                                           : SameFile(fd, before[fd]);
      wrong |= ok ? 0 : 1 << fd;
    }
    const int next = open("/dev/null", O_RDONLY);
    wrong |= next >= 3 ? 0 : 1 << 3;
    _exit(wrong);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(StandardDescriptors, ClosedOnesGoToDevNullAndOpenOnesStay) {
  for (int closed : {0b000, 0b001, 0b010, 0b100, 0b011, 0b101, 0b110, 0b111})
    EXPECT_EQ(ChildOutcome(closed), 0) << "closed descriptors, as bits: " << closed;
}

}  // namespace
}  // namespace tw
