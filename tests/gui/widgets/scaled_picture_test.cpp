#include "gui/widgets/scaled_picture.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Black on the left half, white on the right.
QPixmap halves(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    return QPixmap::fromImage(image);
}

} // namespace

// A picture smaller than its box keeps its proportion to the box as the box grows.
TEST(ScaledPicture, GrowsWithItsBoxFromTheDesignedSize) {
    ScaledPicture picture(nullptr);
    picture.show(); // a hidden widget hears of its new size only once shown
    picture.resize(200, 100);
    picture.setDesignedSize(QSize(200, 100));
    picture.setPicture(halves(QSize(50, 40)));
    EXPECT_EQ(picture.pixmap().size(), QSize(50, 40));
    picture.resize(300, 250);
    EXPECT_EQ(picture.pixmap().size(), QSize(75, 100));
    picture.resize(200, 100);
    EXPECT_EQ(picture.pixmap().size(), QSize(50, 40));
}

// Resampled, not repeated: the edge between black and white passes through greys.
TEST(ScaledPicture, IsResampledSmoothly) {
    ScaledPicture picture(nullptr);
    picture.show();
    picture.resize(4, 2);
    picture.setDesignedSize(QSize(4, 2));
    picture.setPicture(halves(QSize(4, 2)));
    picture.resize(32, 16);
    const QImage shown = picture.pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(32, 16));
    EXPECT_EQ(qGray(shown.pixel(0, 8)), 0);
    EXPECT_EQ(qGray(shown.pixel(31, 8)), 255);
    int greys = 0;
    for (int x = 0; x < 32; ++x)
        greys += qGray(shown.pixel(x, 8)) > 20 && qGray(shown.pixel(x, 8)) < 235;
    EXPECT_GE(greys, 2);
}
