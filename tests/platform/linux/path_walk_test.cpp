#include "platform/linux/path_walk.h"

#include <map>

#include <gtest/gtest.h>

namespace keldra::platform::linux_impl {
namespace {

TEST(Walk_Path, FollowsLocalLinksAndStopsAtVolumesThatMayNotAnswer) {
  const std::vector<Mount_Entry> mounts = Parse_Mountinfo(
      "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
      "2 1 8:2 / /home rw - ext4 /dev/sda2 rw\n"
      "3 1 0:40 / /mnt/nas rw - nfs4 srv:/export rw\n"
      "4 1 0:41 / /mnt/fuse rw - fuse.sshfs me@host:/ rw\n"
      "5 1 0:42 / /data rw - tmpfs tmpfs rw\n");
  const std::map<std::string, Name_Kind> names = {
      {"/home/me", {Name_Kind::Directory, {}}},
      {"/home/me/docs", {Name_Kind::Directory, {}}},
      {"/home/me/nas", {Name_Kind::Link, "/mnt/nas"}},
      {"/home/me/rel", {Name_Kind::Link, "../../mnt/fuse/sub"}},
      {"/home/me/todata", {Name_Kind::Link, "/data/sub"}},
      {"/home/me/loop", {Name_Kind::Link, "loop"}},
      {"/home/me/file", {Name_Kind::Other, {}}},
      {"/data/sub", {Name_Kind::Directory, {}}},
      {"/tmp", {Name_Kind::Directory, {}}},
      {"/tmp/x", {Name_Kind::Directory, {}}},
      {"/mnt", {Name_Kind::Directory, {}}},
  };
  const auto look = [&](const std::string& path) {
    if (path.rfind("/mnt/nas/", 0) == 0 || path.rfind("/mnt/fuse/", 0) == 0) {
      ADD_FAILURE() << "looked inside a volume that may not answer: " << path;
    }
    const auto it = names.find(path);
    return it == names.end() ? Name_Kind{} : it->second;
  };
  const struct {
    const char* path;
    Walked_Path::Outcome outcome;
    const char* walked;
    const char* volume;
  } cases[] = {
      {"/home/me/docs", Walked_Path::Local, "/home/me/docs", "/home"},
      {"/home/me/docs/", Walked_Path::Local, "/home/me/docs", "/home"},
      {"/home/me/nas", Walked_Path::May_Stall, "/mnt/nas", "/mnt/nas"},
      {"/home/me/nas/deep/er", Walked_Path::May_Stall, "/mnt/nas/deep/er", "/mnt/nas"},
      {"/home/me/rel", Walked_Path::May_Stall, "/mnt/fuse/sub", "/mnt/fuse"},
      {"/tmp/x/../../mnt/nas", Walked_Path::May_Stall, "/mnt/nas", "/mnt/nas"},
      {"/mnt/nas/a/../b", Walked_Path::May_Stall, "/mnt/nas/b", "/mnt/nas"},
      // Straight back out of a mount point needs nothing from its volume.
      {"/mnt/nas/../../data/./sub", Walked_Path::Local, "/data/sub", "/data"},
      {"/home/me/todata", Walked_Path::Local, "/data/sub", "/data"},
      {"/home/me/docs/../../..", Walked_Path::Local, "/", "/"},
      {"/home/me/loop", Walked_Path::Missing, "", nullptr},
      {"/home/me/file", Walked_Path::Local, "/home/me/file", "/home"},
      {"/home/me/file/x", Walked_Path::Missing, "", nullptr},
      {"/home/me/missing", Walked_Path::Missing, "", nullptr},
      {"relative/path", Walked_Path::Missing, "", nullptr},
  };
  for (const auto& c : cases) {
    const Walked_Path w = Walk_Path(c.path, mounts, look);
    EXPECT_EQ(w.outcome, c.outcome) << c.path;
    EXPECT_EQ(w.path, c.walked) << c.path;
    if (c.volume == nullptr) continue;
    ASSERT_NE(w.volume, nullptr) << c.path;
    EXPECT_EQ(w.volume->mount_point, c.volume) << c.path;
  }
}

TEST(Walk_Path, ARootThatMayNotAnswerIsNeverLookedAt) {
  const auto mounts = Parse_Mountinfo("1 0 0:40 / / rw - nfs4 srv:/root rw\n");
  const Walked_Path w = Walk_Path("/home/me", mounts, [](const std::string& path) {
    ADD_FAILURE() << "looked at " << path;
    return Name_Kind{};
  });
  EXPECT_EQ(w.outcome, Walked_Path::May_Stall);
  EXPECT_EQ(w.path, "/home/me");
}

}  // namespace
}  // namespace keldra::platform::linux_impl
