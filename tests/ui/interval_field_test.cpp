#include "ui/interval_field.h"

#include <gtest/gtest.h>

namespace keldra::ui::interval_field {
namespace {

TEST(Interval_Field, KeysStepRefuseOrEdit) {
  const struct {
    Key key;
    const char* typed;
    const char* separator;
    Key_Effect effect;
  } cases[] = {
      {Key::Up, "", ".", Key_Effect::Step_Up},
      {Key::Down, "", ".", Key_Effect::Step_Down},
      {Key::Enter, "\r", ".", Key_Effect::Refuse},
      {Key::Printable, "7", ".", Key_Effect::Edit},
      {Key::Printable, "-", ".", Key_Effect::Edit},
      {Key::Printable, "+", ".", Key_Effect::Edit},
      {Key::Printable, ",", ",", Key_Effect::Edit},  // the user's own separator
      {Key::Printable, ",", ".", Key_Effect::Refuse},
      {Key::Printable, "x", ".", Key_Effect::Refuse},
      {Key::Printable, " ", ".", Key_Effect::Refuse},
      {Key::Other, "\b", ".", Key_Effect::Edit},  // Backspace and the like: the field's own
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Effect_Of(c.key, c.typed, c.separator), c.effect)
        << static_cast<int>(c.key) << " '" << c.typed << "'";
  }
}

TEST(Interval_Field, LeavingBringsAWrittenValueIntoBounds) {
  const struct {
    const char* text;
    std::optional<int> written_back;
  } cases[] = {{"45", std::nullopt}, {"0", 1}, {"-7", 1}, {"201", 200}, {"200", std::nullopt},
               {"abc", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(Value_On_Leaving(c.text), c.written_back) << c.text;
  EXPECT_EQ(Stepped("198", +1), 200);
  EXPECT_EQ(Stepped("3", -1), 1);
}

}  // namespace
}  // namespace keldra::ui::interval_field
