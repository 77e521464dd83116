// The real program in a real X server with a window manager: what a stored placement
// does to memory, and whether a maximised window keeps its normal rectangle over runs.
#include "platform/FileRegistryStore.h"
#include "tests/support/StoredDword.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using platform::RegValue;

namespace {

const std::string kForm = "Software\\Quillmere Software\\Provendo\\1.0\\frmMain";

// An X server of its own (Xvfb, one 1280 by 1024 screen) with openbox on it.
class Desktop {
public:
    Desktop() {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
            problem_ = "Xvfb is not installed";
            return;
        }
        if (QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
            problem_ = "openbox or xdotool is not installed";
            return;
        }
        // Xvfb picks a free display and prints its number.
        server_.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!server_.waitForStarted(5000) ||
            !QTest::qWaitFor([&] { return server_.canReadLine(); }, 10000)) {
            problem_ = "Xvfb did not start";
            return;
        }
        display_ = QLatin1Char(':') + QString::fromLatin1(server_.readLine()).trimmed();
        wm_.setProcessEnvironment(environment());
        wm_.start(QStringLiteral("openbox"), {});
        if (!wm_.waitForStarted(5000) || wm_.waitForFinished(700)) {
            problem_ = "openbox did not start";
            return;
        }
    }
    ~Desktop() {
        for (QProcess* p : {&wm_, &server_}) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(3000))
                    p->kill();
                p->waitForFinished(3000);
            }
        }
    }

    const std::string& problem() const { return problem_; }
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("DISPLAY"), display_);
        return env;
    }
    // Runs xdotool on this display and answers what it printed.
    QString xdotool(const QStringList& arguments, int timeout = 10000) const {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(timeout);
        return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
    }

private:
    QProcess server_, wm_;
    QString display_;
    std::string problem_;
};

class PlacementRun : public testing::Test {
protected:
    void SetUp() override {
        if (!desktop.problem().empty())
            GTEST_SKIP() << "no X server with a window manager here: " << desktop.problem();
        ASSERT_TRUE(dir.isValid());
        program = dir.filePath(QStringLiteral("provendo"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(PROVENDO_EXE), program));
        QDir(dir.path()).mkpath(QStringLiteral("config/Provendo"));
        QDir(dir.path()).mkpath(QStringLiteral("home"));
    }

    platform::FileRegistryStore store() const {
        return platform::FileRegistryStore(
            dir.filePath(QStringLiteral("config/Provendo")).toStdString(), {});
    }
    void put(const std::string& name, const RegValue& value) {
        auto s = store();
        s.openKey(platform::RootKey::CurrentUser, kForm, true)->setValue(name, value);
    }
    std::int64_t dword(const std::string& name) const {
        auto s = store();
        auto key = s.openKey(platform::RootKey::CurrentUser, kForm, false);
        return storedDword(key ? key->value(name) : std::nullopt);
    }

    // Starts the program and waits until its window shows.
    void start(QProcess& run) {
        QProcessEnvironment env = desktop.environment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
        run.setProcessEnvironment(env);
        run.setWorkingDirectory(dir.path());
        run.start(program, {});
        ASSERT_TRUE(run.waitForStarted(10000));
        window = desktop
                     .xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                               QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                               QString::number(run.processId()), QStringLiteral("--name"),
                               QStringLiteral("Provendo")},
                              20000)
                     .section(QLatin1Char('\n'), 0, 0);
        ASSERT_FALSE(window.isEmpty()) << "no window: " << run.readAllStandardError().toStdString();
        QTest::qWait(500); // the window manager's placement and the state settle
    }
    // Closes the window as the user does (Alt+F4 through the window manager).
    void close(QProcess& run) {
        desktop.xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
        desktop.xdotool({QStringLiteral("key"), QStringLiteral("alt+F4")});
        const bool ended = run.waitForFinished(10000);
        if (!ended) {
            run.kill();
            run.waitForFinished(3000);
        }
        ASSERT_TRUE(ended) << "the program did not end within 10 s";
        EXPECT_EQ(run.exitCode(), 0);
    }
    static long peakMemoryKiB(qint64 pid) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
        return -1;
    }

    Desktop desktop;
    QTemporaryDir dir;
    QString program;
    QString window;
};

} // namespace

TEST_F(PlacementRun, aHugeStoredSizeStartsInBoundedMemoryAndIsSavedCut) {
    put("Width", RegValue::dword(100000));
    put("Height", RegValue::dword(100000));
    QProcess run;
    start(run);
    const long peak = peakMemoryKiB(run.processId());
    EXPECT_GT(peak, 0);
    EXPECT_LT(peak, 400 * 1024) << "peak resident memory " << peak << " KiB";
    const QString geometry = desktop.xdotool({QStringLiteral("getwindowgeometry"), window});
    close(run);
    EXPECT_GE(dword("Width"), 100) << geometry.toStdString();
    EXPECT_LE(dword("Width"), 1280);
    EXPECT_GE(dword("Height"), 100);
    EXPECT_LE(dword("Height"), 1024);
}

TEST_F(PlacementRun, aMaximisedWindowKeepsItsNormalRectangleOverFiveRuns) {
    put("Left", RegValue::dword(200));
    put("Top", RegValue::dword(200));
    put("Width", RegValue::dword(600));
    put("Height", RegValue::dword(400));
    put("State", RegValue::dword(2));
    put("ScreenRes", RegValue::text("1280x1024"));
    for (int cycle = 1; cycle <= 5; ++cycle) {
        QProcess run;
        start(run);
        close(run);
        EXPECT_EQ(dword("State"), 2) << "run " << cycle;
        EXPECT_EQ(dword("Left"), 200) << "run " << cycle;
        EXPECT_EQ(dword("Top"), 200) << "run " << cycle;
        EXPECT_EQ(dword("Width"), 600) << "run " << cycle;
        EXPECT_EQ(dword("Height"), 400) << "run " << cycle;
    }
}
