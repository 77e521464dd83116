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
