#include "ui/qt/percent_gauge.h"

#include <QApplication>
#include <set>

#include <gtest/gtest.h>

#include "ui/qt/fonts.h"

namespace keldra::ui {
namespace {

const QColor kLime(0, 255, 0), kYellow(255, 255, 0), kRed(255, 0, 0);

QImage Gauge(int percent, QColor bar) {
  return Compose_Gauge(QSize(55, 17), percent, bar, System_Font(13));
}

// Every pixel of the picture is one of the colours the painting can produce.
std::set<QRgb> Colours(const QImage& image, QRect area) {
  std::set<QRgb> colours;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) colours.insert(image.pixel(x, y) & 0xFFFFFF);
  }
  return colours;
}

TEST(Percent_Gauge, ABlackBorderAroundTheInside) {
  const QImage g = Gauge(57, kLime);
  for (int x = 0; x < 55; ++x) {
    EXPECT_EQ(g.pixelColor(x, 0), Qt::black) << x;
    EXPECT_EQ(g.pixelColor(x, 16), Qt::black) << x;
  }
  for (int y = 0; y < 17; ++y) {
    EXPECT_EQ(g.pixelColor(0, y), Qt::black) << y;
    EXPECT_EQ(g.pixelColor(54, y), Qt::black) << y;
  }
}

TEST(Percent_Gauge, OnAScaledScreenItIsDrawnAtTheScreensPixelsNotEnlarged) {
  const QImage one = Gauge(57, kLime);
  const QImage two = Compose_Gauge(QSize(55, 17), 57, kLime, System_Font(13), 2);
  ASSERT_EQ(two.size(), QSize(110, 34));
  EXPECT_EQ(two.devicePixelRatio(), 2);
  // The same picture, with the same XOR colours and border, but finer than the
  // one-to-one picture doubled: the text has detail of its own.
  EXPECT_EQ(Colours(two, two.rect()), Colours(one, one.rect()));
  EXPECT_EQ(two.pixelColor(1, 1), Qt::black) << "the border is one widget pixel wide";
  EXPECT_EQ(two.pixelColor(2, 2), kLime);
  EXPECT_NE(two, one.scaled(110, 34, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

TEST(Percent_Gauge, TextIsTheExclusiveOrOfWhite) {
  const QRect inside(1, 1, 53, 15);
  // 0 %: only white and the black text.
  EXPECT_EQ(Colours(Gauge(0, kLime), inside), (std::set<QRgb>{0xFFFFFF, 0x000000}));
  const struct {
    QColor bar;
    QRgb complement;
  } cases[] = {{kLime, 0xFF00FF}, {kYellow, 0x0000FF}, {kRed, 0x00FFFF}};
  for (const auto& c : cases) {
    // 100 %: the bar fills the inside and the text shows in the complement.
    EXPECT_EQ(Colours(Gauge(100, c.bar), inside),
              (std::set<QRgb>{c.bar.rgb() & 0xFFFFFF, c.complement}))
        << c.bar.name().toStdString();
  }
  // 57 %: both halves, each with its own text colour.
  EXPECT_EQ(Colours(Gauge(57, kLime), inside),
            (std::set<QRgb>{0xFFFFFF, 0x000000, 0x00FF00, 0xFF00FF}));
}

}  // namespace
}  // namespace keldra::ui
