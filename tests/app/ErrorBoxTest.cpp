#include "app/ErrorBox.h"
#include "app/ModalSeam.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

TEST(ErrorBox, fullStopIsAddedOnlyAfterCharactersAboveIt) {
    EXPECT_EQ(ErrorBox::messageText("Unable to insert a line"), "Unable to insert a line.");
    EXPECT_EQ(ErrorBox::messageText("List index out of bounds (11)"),
              "List index out of bounds (11)"); // ')' is below '.'
    EXPECT_EQ(ErrorBox::messageText("Done."), "Done.");
    EXPECT_EQ(ErrorBox::messageText("Really?"), "Really?.");
    EXPECT_EQ(ErrorBox::messageText("Stop!"), "Stop!");
    EXPECT_EQ(ErrorBox::messageText("code 7"), "code 7.");
    EXPECT_EQ(ErrorBox::messageText(""), "");
}

TEST(ErrorBox, showsTheMessageWithTheApplicationTitleAndAnErrorIcon) {
    ModalSeam::clear();
    ModalSeam::pushButton(QMessageBox::Ok);
    ErrorBox::show(std::runtime_error("Cannot open file \"/x\". No such file or directory"));
    ASSERT_EQ(ModalSeam::history().size(), 1u);
    const ModalSeam::Request& r = ModalSeam::history().front();
    EXPECT_EQ(r.caption, "Provendo");
    EXPECT_EQ(r.text, "Cannot open file \"/x\". No such file or directory.");
    EXPECT_EQ(r.icon, QMessageBox::Critical);
    ModalSeam::clear();
}

TEST(ErrorBox, silentAbortShowsNothing) {
    ModalSeam::clear();
    ModalSeam::pushButton(QMessageBox::Ok);
    ErrorBox::show(platform::EAbort());
    EXPECT_TRUE(ModalSeam::history().empty());
    EXPECT_TRUE(ModalSeam::hasPending());
    ModalSeam::clear();
}

TEST(ErrorBox, errorEscapingAnEventHandlerIsShownAndTheProgramGoesOn) {
    ModalSeam::clear();
    ModalSeam::pushButton(QMessageBox::Ok);
    QObject target;
    QObject::connect(&target, &QObject::objectNameChanged,
                     [] { throw std::runtime_error("Unable to insert a line"); });
    class Poke : public QObject {
    public:
        explicit Poke(QObject* t) : t_(t) {}
        bool event(QEvent* e) override {
            if (e->type() == QEvent::User)
                t_->setObjectName(QStringLiteral("x"));
            return QObject::event(e);
        }
        QObject* t_;
    } poke(&target);
    QEvent event(QEvent::User);
    QApplication::sendEvent(&poke, &event);
    ASSERT_EQ(ModalSeam::history().size(), 1u);
    EXPECT_EQ(ModalSeam::history().front().text, "Unable to insert a line.");
    ModalSeam::clear();
}
