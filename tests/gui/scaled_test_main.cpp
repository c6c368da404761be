// GoogleTest with a QApplication at 200 % on a small offscreen screen
// (1600 x 1000 pixels, so 800 x 500 at that scale).

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TARVO_SOURCE_DIR "/tests/gui/screen_1600x1000.json");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
