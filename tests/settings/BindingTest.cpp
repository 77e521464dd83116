// A binding on its own: the steps of a dotted path and the property types whose values
// need a conversion of their own.
#include "settings/PBinding.h"

#include <QDateTime>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class Gadget : public QObject {
    Q_OBJECT
    Q_PROPERTY(QChar Accel MEMBER accel)
    Q_PROPERTY(int Count MEMBER count)
    Q_PROPERTY(QPushButton* Button MEMBER button)
    Q_PROPERTY(QDateTime When MEMBER when)
public:
    explicit Gadget(QObject* window) : QObject(window) { setObjectName("gdg"); }

    QChar accel;
    int count = 0;
    QPushButton* button = nullptr;
    QDateTime when;
};

class BindingTest : public ::testing::Test {
protected:
    BindingTest() { binding_.SetWindow(&window_); }

    QWidget window_;
    Gadget* gadget_ = new Gadget(&window_);
    QPushButton* button_ = new QPushButton("Go", &window_);
    TPBinding binding_;
};

} // namespace

TEST_F(BindingTest, characterPropertyIsItsCharacterCodeBothWays) {
    gadget_->accel = QChar(0x00E9);
    const TPValue read = binding_.Read("gdg.Accel");
    EXPECT_EQ(read.kind, pvkInteger);
    EXPECT_EQ(read.integer, 0xE9);

    binding_.Apply("gdg.Accel", TPValue::makeInteger(0x20AC));
    EXPECT_EQ(gadget_->accel, QChar(0x20AC));
}

TEST_F(BindingTest, pathStepsThroughAnObjectPropertyOnlyWhileItHoldsOne) {
    EXPECT_EQ(binding_.Read("gdg.Button.text").kind, pvkNone);
    binding_.Apply("gdg.Button.text", TPValue::makeText(pvkString, "Stop"));
    EXPECT_EQ(button_->text(), "Go");

    gadget_->button = button_;
    const TPValue read = binding_.Read("gdg.Button.text");
    EXPECT_EQ(read.kind, pvkString);
    EXPECT_EQ(read.text, "Go");
    binding_.Apply("gdg.Button.text", TPValue::makeText(pvkString, "Stop"));
    EXPECT_EQ(button_->text(), "Stop");

    // A property that holds no object ends the path.
    EXPECT_EQ(binding_.Read("gdg.Count.text").kind, pvkNone);
}

TEST_F(BindingTest, dateBeyondWhatADateHoldsLeavesTheProperty) {
    const QDateTime before(QDate(2020, 5, 1), QTime(8, 30));
    gadget_->when = before;
    for (const double days : {1e300, -1e300, 1e13}) {
        binding_.Apply("gdg.When", TPValue::makeNumber(pvkFloat, days));
        EXPECT_EQ(gadget_->when, before) << days;
    }
    binding_.Apply("gdg.When", TPValue::makeNumber(pvkFloat, 2.5));
    EXPECT_EQ(gadget_->when, QDateTime(QDate(1900, 1, 1), QTime(12, 0)));
}

TEST_F(BindingTest, withoutAWindowNothingIsReadOrSet) {
    TPBinding loose;
    gadget_->count = 5;
    EXPECT_EQ(loose.Read("gdg.Count").kind, pvkNone);
    loose.Apply("gdg.Count", TPValue::makeInteger(9));
    EXPECT_EQ(gadget_->count, 5);

    binding_.SetWindow(nullptr);
    EXPECT_EQ(binding_.Read("gdg.Count").kind, pvkNone);
}

#include "BindingTest.moc"
