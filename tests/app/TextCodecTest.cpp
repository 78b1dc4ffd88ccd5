#include "app/TextCodec.h"

#include <gtest/gtest.h>

namespace trellis {
namespace {

TEST(TextCodec, EveryByteRoundTripsIncludingTheUnassigned0x98) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(char(b));
  const QString text = cp1251::Decode(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(cp1251::Encode(text), all);
  EXPECT_EQ(text[0x98].unicode(), 0x0098);
}

TEST(TextCodec, KnownCharacters) {
  EXPECT_EQ(cp1251::Decode("\xE0\xE1\xE2"), QStringLiteral("абв"));
  EXPECT_EQ(cp1251::Decode("\xA8\xB8\xB9\x88\x96\x97\xA0\xAB\xBB"),
            QStringLiteral("Ёё№€–—\u00A0«»"));
  EXPECT_EQ(cp1251::Decode("\xC0\xDF\xFF"), QStringLiteral("АЯя"));
  EXPECT_EQ(cp1251::Encode(u"Ґґ‰"), QByteArray("\xA5\xB4\x89"));
}

TEST(TextCodec, BestFitThenQuestionMark) {
  EXPECT_EQ(cp1251::Encode(u"éüÀŠ"), QByteArray("euAS"));
  EXPECT_EQ(cp1251::Encode(u"ß×Œæ"), QByteArray("????"));
  EXPECT_EQ(cp1251::Encode(u"a😀b"), QByteArray("a??b"));
  EXPECT_EQ(cp1251::Encode(QString(QChar(0))), QByteArray(1, '\0'));
}

}  // namespace
}  // namespace trellis
