#pragma once
// The main of the sound suites: Qt's audio back end wants an application object.
#include <gtest/gtest.h>

#include <QCoreApplication>

namespace krivol::test {

inline int runSoundTests(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace krivol::test
