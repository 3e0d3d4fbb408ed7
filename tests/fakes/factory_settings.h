#pragma once
// The check that a load with no settings file gave every key's default.
#include <gtest/gtest.h>

#include "settings/memory_settings_holder.h"

namespace keldra::test {

// What a load with no settings file gives: every key's default.
inline void Expect_Factory_Settings(const settings::Memory_Settings_Holder& h) {
  EXPECT_EQ(h.top, 50);
  EXPECT_EQ(h.left, 50);
  EXPECT_EQ(h.width, 189);
  EXPECT_EQ(h.interval, 30000u);
  EXPECT_EQ(h.letters, "C");
  EXPECT_FALSE(h.total || h.on_top || h.auto_run);
}

}  // namespace keldra::test
