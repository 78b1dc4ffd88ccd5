#include <QCoreApplication>

#include <gtest/gtest.h>

// Tests run with an application object, so event processing and Qt's file engines behave as
// in the program.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
