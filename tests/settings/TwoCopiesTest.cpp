// Two running copies of the program that end at the same moment: each keeps the values
// it changed, and neither erases the other's.
#include "platform/FileRegistryStore.h"
#include "settings/PAppSettings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kPath = "Software\\Quillmere Software\\Provendo\\1.0\\AppSettings";

struct Pipe {
    int fd[2] = {-1, -1};
    Pipe() { EXPECT_EQ(::pipe(fd), 0); }
    ~Pipe() {
        ::close(fd[0]);
        ::close(fd[1]);
    }
};

// One copy: reads its values at start, says it is ready, waits for the word, changes
// its own values and saves everything at its end, as the application container does.
[[noreturn]] void runCopy(const std::string& folder, bool first, int round, int ready, int go) {
    platform::FileRegistryStore store(folder, {});
    platform::setRegistryStoreForTesting(&store);
    {
        TPAppSettings app(nullptr);
        app.SetCompanyName("Quillmere Software");
        app.SetSoftwareName("Provendo");
        app.SetSoftwareVersion("1.0");
        TPSetting* page = app.AddSetting("ActivePage");
        TPSetting* width = app.AddSetting("Width");
        TPSetting* balloon = app.AddSetting("gBalloonHints");
        app.Loaded();
        char c = 'r';
        if (::write(ready, &c, 1) != 1 || ::read(go, &c, 1) != 1)
            _exit(2);
        if (first) {
            page->SetAsString("tsMeat");
            width->SetAsInteger(200 + round);
        } else {
            balloon->SetAsString("False");
        }
    }
    _exit(store.lastWriteSucceeded() ? 0 : 3);
}

std::optional<platform::RegValue> stored(const std::string& folder, const std::string& name) {
    platform::FileRegistryStore store(folder, {});
    auto key = store.openKey(platform::RootKey::CurrentUser, kPath, false);
    return key ? key->value(name) : std::nullopt;
}

} // namespace

TEST(TwoCopies, bothCopiesChangesSurviveWhenTheyEndTogether) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/Provendo";
    for (int round = 0; round < 50; ++round) {
        {
            platform::FileRegistryStore store(folder, {});
            auto key = store.openKey(platform::RootKey::CurrentUser, kPath, true);
            ASSERT_TRUE(key);
            key->setValue("ActivePage", platform::RegValue::text("tsDairy"));
            key->setValue("Width", platform::RegValue::dword(100));
            key->setValue("gBalloonHints", platform::RegValue::text("True"));
        }
        Pipe ready;
        Pipe go;
        pid_t copies[2];
        for (int i = 0; i < 2; ++i) {
            copies[i] = ::fork();
            ASSERT_GE(copies[i], 0);
            if (copies[i] == 0)
                runCopy(folder, i == 0, round, ready.fd[1], go.fd[0]);
        }
        char c = 0;
        ASSERT_EQ(::read(ready.fd[0], &c, 1), 1);
        ASSERT_EQ(::read(ready.fd[0], &c, 1), 1);
        ASSERT_EQ(::write(go.fd[1], "gg", 2), 2);
        for (pid_t copy : copies) {
            int status = 0;
            ASSERT_EQ(::waitpid(copy, &status, 0), copy);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << round;
        }
        EXPECT_EQ(stored(folder, "ActivePage"), platform::RegValue::text("tsMeat")) << round;
        EXPECT_EQ(stored(folder, "Width"),
                  platform::RegValue::dword(static_cast<std::uint32_t>(200 + round)))
            << round;
        EXPECT_EQ(stored(folder, "gBalloonHints"), platform::RegValue::text("False")) << round;
    }
}
