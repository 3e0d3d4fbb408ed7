#include "platform/linux/linux_launcher.h"

#include <gtest/gtest.h>

namespace keldra::platform {
namespace {

TEST(Address_For_Url_Handler, ABareWwwHostIsAWebPageAndEverythingElseStays) {
  EXPECT_EQ(Address_For_Url_Handler("www.example.org"), "https://www.example.org");
  EXPECT_EQ(Address_For_Url_Handler("WWW.example.org"), "https://WWW.example.org");
  EXPECT_EQ(Address_For_Url_Handler("mailto:a@b"), "mailto:a@b");
  EXPECT_EQ(Address_For_Url_Handler("https://x/y"), "https://x/y");
  EXPECT_EQ(Address_For_Url_Handler("www."), "www.");
}

}  // namespace
}  // namespace keldra::platform
