#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "ui/toolkit/Toolkit.h"

// Test main of the suites that need the toolkit: one application object for
// the whole process, on the offscreen platform unless told otherwise.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int result = 0;
  {
    zonivo::Toolkit toolkit(argc, argv);
    result = RUN_ALL_TESTS();
  }
  return result;
}
