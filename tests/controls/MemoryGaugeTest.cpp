#include "controls/MemoryGauge.h"

#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

TEST(MemoryGauge, samplesAtOnceThenOnEveryTickAndKeepsTheHintInStep) {
    controls::MemoryGauge gauge;
    int calls = 0;
    const int figures[] = {57, 130, -4};
    gauge.setSampler([&] { return figures[std::min(calls++, 2)]; }, 20);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(gauge.percent(), 57);
    EXPECT_EQ(gauge.toolTip(), "Memory: 57%");
    EXPECT_EQ(gauge.text(), "57%");

    EXPECT_TRUE(QTest::qWaitFor([&] { return calls >= 2; }, 2000));
    EXPECT_EQ(gauge.percent(), 100) << "out-of-range figures are clamped";
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls >= 3; }, 2000));
    EXPECT_EQ(gauge.percent(), 0);
    EXPECT_EQ(gauge.toolTip(), "Memory: 0%");

    gauge.setSampler(nullptr);
    const int before = calls;
    QTest::qWait(80);
    EXPECT_EQ(calls, before) << "no sampler, no polling";
}
