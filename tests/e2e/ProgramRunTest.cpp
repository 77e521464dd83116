// Runs the built program itself, from a copy in a temporary folder with a configuration
// folder of its own.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProgramRun : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        program = dir.filePath(QStringLiteral("provendo"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(PROVENDO_EXE), program));
        QDir(dir.path()).mkpath(QStringLiteral("config"));
        QDir(dir.path()).mkpath(QStringLiteral("home"));
    }

    QProcessEnvironment environment(bool withDisplay) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        if (withDisplay)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
        return env;
    }

    QTemporaryDir dir;
    QString program;
};

} // namespace

TEST_F(ProgramRun, startsAndKeepsRunningUntilEnded) {
    QProcess run;
    run.setProcessEnvironment(environment(true));
    run.setWorkingDirectory(dir.path());
    run.start(program, {});
    ASSERT_TRUE(run.waitForStarted(10000));
    EXPECT_FALSE(run.waitForFinished(1500)) << run.readAllStandardError().toStdString();
    EXPECT_EQ(run.state(), QProcess::Running);
    run.kill();
    run.waitForFinished(5000);
}

TEST_F(ProgramRun, withoutADisplaySaysSoAndHowToRunIt) {
    QProcess run;
    run.setProcessEnvironment(environment(false));
    run.start(program, {});
    ASSERT_TRUE(run.waitForFinished(10000));
    EXPECT_EQ(run.exitCode(), 2);
    const QString message = QString::fromLocal8Bit(run.readAllStandardError());
    EXPECT_TRUE(message.contains(QStringLiteral("no display"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("xvfb-run"))) << message.toStdString();
}

TEST_F(ProgramRun, versionAndHelpAnswerWithoutADisplay) {
    QProcess version;
    version.setProcessEnvironment(environment(false));
    version.start(program, {QStringLiteral("--version")});
    ASSERT_TRUE(version.waitForFinished(10000));
    EXPECT_EQ(version.exitCode(), 0);
    EXPECT_EQ(version.readAllStandardOutput(), "Provendo 1.1.0.2\n");

    QProcess help;
    help.setProcessEnvironment(environment(false));
    help.start(program, {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(10000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().contains("[FILE]"));
}

TEST_F(ProgramRun, anUnknownOptionIsRefusedWithTheUsage) {
    QProcess run;
    run.setProcessEnvironment(environment(true));
    run.start(program, {QStringLiteral("--frobnicate")});
    ASSERT_TRUE(run.waitForFinished(10000));
    EXPECT_EQ(run.exitCode(), 2);
    const QByteArray message = run.readAllStandardError();
    EXPECT_TRUE(message.contains("--frobnicate")) << message.toStdString();
    EXPECT_TRUE(message.contains("Usage:")) << message.toStdString();
}

// A polite request to end closes the window the normal way: the list named on the
// command line was opened, and its category names are written on the way out.
TEST_F(ProgramRun, terminationClosesTheWindowAndKeepsTheCategoryNames) {
    QFile list(dir.filePath(QStringLiteral("week.slf")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("//Milk things\r\nMilk\t2\r\n//Butcher\r\nSteak\t1\r\n");
    list.close();

    QProcess run;
    run.setProcessEnvironment(environment(true));
    run.setWorkingDirectory(dir.path());
    run.start(program, {QStringLiteral("week.slf")});
    ASSERT_TRUE(run.waitForStarted(10000));
    EXPECT_FALSE(run.waitForFinished(1500));
    run.terminate();
    ASSERT_TRUE(run.waitForFinished(10000)) << "the window did not close";
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.exitCode(), 0);

    QFile names(dir.filePath(QStringLiteral("Defaults.slf")));
    ASSERT_TRUE(names.open(QIODevice::ReadOnly));
    EXPECT_TRUE(names.readAll().startsWith("//Milk things\r\n//Butcher\r\n//Vegetables\r\n"));
}
