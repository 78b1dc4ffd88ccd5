#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need a full application object (offscreen platform in CTest).
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
