/* A FUSE filesystem whose statfs never answers: it stands for a dead NFS server,
 * a stalled share or a FUSE daemon that has stopped responding. Everything else
 * (the root folder's attributes) answers at once, so the mount itself comes up.
 *   hung_fs <mount point>        runs in the foreground until unmounted or killed */
#define FUSE_USE_VERSION 31
#include <errno.h>
#include <fuse.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static int hung_getattr(const char* path, struct stat* st, struct fuse_file_info* fi) {
  (void)fi;
  memset(st, 0, sizeof *st);
  if (strcmp(path, "/") != 0) return -ENOENT;
  st->st_mode = S_IFDIR | 0755;
  st->st_nlink = 2;
  return 0;
}

static int hung_statfs(const char* path, struct statvfs* st) {
  (void)path;
  (void)st;
  for (;;) pause(); /* never answers */
  return 0;
}

static const struct fuse_operations hung_operations = {
    .getattr = hung_getattr,
    .statfs = hung_statfs,
};

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  char* args[] = {argv[0], "-f", "-o", "fsname=keldra-hung", argv[1], NULL};
  return fuse_main(5, args, &hung_operations, NULL);
}
