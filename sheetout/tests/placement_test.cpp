#include <gtest/gtest.h>

#include "sheetout.h"

using namespace picturecraft::sheetout;

TEST(SheetPlacement, Placeholder) {
    const QRectF target = sheetPlacement(16838, 200, 100);
    EXPECT_NEAR(target.width(), 15154.2, 0.01);
}
