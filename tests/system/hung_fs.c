/* A FUSE filesystem whose statfs stands for a server in trouble: a dead NFS
 * server, a stalled share, a slow link or a FUSE daemon that has stopped
 * responding. Everything else (the root folder's attributes) answers at once, so
 * the mount itself comes up.
 *   hung_fs <mount point> [mode]    runs in the foreground until unmounted or killed
 * Modes, for statfs:
 *   never           never answers (the default)
 *   delay=N         answers after N seconds
 *   gate=PATH       waits while PATH exists, then answers
 *   alternate=N     answers at once and after N seconds, turn about
 *   huge            answers at once: 2^45 blocks of 1 MiB (32 EiB), half of them free
 *   answer          answers at once
 *   deep-gate=PATH  while PATH exists, every question waits, a name's lookup too (a
 *                   server gone away with the folders on it); then names are not
 *                   there and statfs answers
 *   late-file=PATH  while PATH exists, a name's lookup waits (a settings file on a
 *                   slow share); then every name is a read-only file holding the
 *                   text of the environment variable HUNG_FS_TEXT
 * An answer reports 1000 blocks of 4096 bytes, 600 free, 500 of them available,
 * unless the mode says otherwise. */
#define FUSE_USE_VERSION 31
#include <errno.h>
#include <fcntl.h>
#include <fuse.h>
#include <stdatomic.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static const char* mode = "never";
static atomic_int calls;

static void Wait_At_Deep_Gate(void) {
  if (strncmp(mode, "deep-gate=", 10) != 0) return;
  while (access(mode + 10, F_OK) == 0) usleep(20000);
}

static int Late_File(void) { return strncmp(mode, "late-file=", 10) == 0; }

static const char* Late_Text(void) {
  const char* text = getenv("HUNG_FS_TEXT");
  return text ? text : "";
}

static int hung_getattr(const char* path, struct stat* st, struct fuse_file_info* fi) {
  (void)fi;
  if (strcmp(path, "/") != 0) Wait_At_Deep_Gate();
  memset(st, 0, sizeof *st);
  if (strcmp(path, "/") != 0 && Late_File()) {
    while (access(mode + 10, F_OK) == 0) usleep(20000);
    st->st_mode = S_IFREG | 0444;
    st->st_nlink = 1;
    st->st_size = (off_t)strlen(Late_Text());
    return 0;
  }
  if (strcmp(path, "/") != 0) return -ENOENT;
  st->st_mode = S_IFDIR | 0755;
  st->st_nlink = 2;
  return 0;
}

static int hung_statfs(const char* path, struct statvfs* st) {
  (void)path;
  const int call = atomic_fetch_add(&calls, 1);
  if (strncmp(mode, "delay=", 6) == 0) {
    sleep((unsigned)atoi(mode + 6));
  } else if (strcmp(mode, "answer") == 0) {
  } else if (strncmp(mode, "deep-gate=", 10) == 0) {
    Wait_At_Deep_Gate();
  } else if (strncmp(mode, "gate=", 5) == 0) {
    while (access(mode + 5, F_OK) == 0) usleep(20000);
  } else if (strncmp(mode, "alternate=", 10) == 0) {
    if (call % 2 == 1) sleep((unsigned)atoi(mode + 10));
  } else if (strcmp(mode, "huge") == 0) {
    memset(st, 0, sizeof *st);
    st->f_bsize = st->f_frsize = 1 << 20;
    st->f_blocks = (fsblkcnt_t)1 << 45;
    st->f_bfree = st->f_bavail = (fsblkcnt_t)1 << 44;
    st->f_namemax = 255;
    return 0;
  } else {
    for (;;) pause(); /* never answers */
  }
  memset(st, 0, sizeof *st);
  st->f_bsize = st->f_frsize = 4096;
  st->f_blocks = 1000;
  st->f_bfree = 600;
  st->f_bavail = 500;
  st->f_namemax = 255;
  return 0;
}

static int hung_open(const char* path, struct fuse_file_info* fi) {
  if (!Late_File() || strcmp(path, "/") == 0) return -ENOENT;
  return (fi->flags & O_ACCMODE) == O_RDONLY ? 0 : -EACCES;
}

static int hung_read(const char* path, char* buf, size_t size, off_t offset,
                     struct fuse_file_info* fi) {
  (void)path;
  (void)fi;
  const char* text = Late_Text();
  const size_t length = strlen(text);
  if ((size_t)offset >= length) return 0;
  if (size > length - (size_t)offset) size = length - (size_t)offset;
  memcpy(buf, text + offset, size);
  return (int)size;
}

static const struct fuse_operations hung_operations = {
    .getattr = hung_getattr,
    .open = hung_open,
    .read = hung_read,
    .statfs = hung_statfs,
};

int main(int argc, char* argv[]) {
  if (argc != 2 && argc != 3) return 2;
  if (argc == 3) mode = argv[2];
  char* args[] = {argv[0], "-f", "-o", "fsname=keldra-hung", argv[1], NULL};
  return fuse_main(5, args, &hung_operations, NULL);
}
