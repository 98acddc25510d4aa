// The Qt tests need a QApplication; without a display they run on the offscreen platform,
// which must be chosen before the application exists.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#ifdef VELLICOR_TEST_SCALE_FACTOR
    // A screen scaled as a desktop scales it; Qt reads it only when the application starts.
    qputenv("QT_SCALE_FACTOR", VELLICOR_TEST_SCALE_FACTOR);
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
