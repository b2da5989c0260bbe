#include "files/standard_descriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tw {

void ReserveStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
      continue;
    // open() takes the lowest free number, which is `fd`: the ones below it
    // are open by now.
    const int null = open("/dev/null", O_RDWR);
    if (null != fd && null != -1)
      close(null);
  }
}

}  // namespace tw
