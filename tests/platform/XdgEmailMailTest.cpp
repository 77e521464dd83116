#include "platform/XdgEmailMail.h"
#include "tests/support/FakeXdgEmail.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace platform;
using namespace platform::mapi;

namespace {

class XdgEmailTest : public testing::Test {
protected:
    XdgEmailTest() : cacheHome_("XDG_CACHE_HOME", cache.path().toStdString()) {}

    std::string mailFolder() const {
        return cache.path().toStdString() + "/provendo/outgoing-mail";
    }
    std::string attachment(const std::string& name, const std::string& bytes) const {
        const std::string path = source.file(name);
        writeBytes(path, bytes);
        return path;
    }
    // Sends with the dialog flag; the service under test runs the fake program.
    ULong send(MapiMessage& message, ULong flags = 0x09) {
        return service.sendMail(&message, flags);
    }
    int messageFolders() const {
        int count = 0;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(mailFolder(), error))
            count += entry.path().filename().string().rfind("message-", 0) == 0;
        return count;
    }

    QTemporaryDir cache;
    ScopedEnv cacheHome_;
    TempAppDir source;
    FakeXdgEmail fake;
    XdgEmailService service{fake.program()};
};

unsigned modeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

} // namespace

TEST_F(XdgEmailTest, handsTheMessageOverAsArgumentsWithAPrivateCopyOfEachAttachment) {
    const std::string list = attachment("ShoppingList.txt", "Milk\r\n");
    std::string subject = "Caf\xe9 list $(touch x) \"quoted\" 'and' `more`";
    std::string body = "line one\r\nline two\r\n";
    MapiRecipDesc recips[2] = {{0, RecipTo, nullptr, nullptr, 0, nullptr},
                               {0, RecipBcc, nullptr, nullptr, 0, nullptr}};
    std::string to = "-x@example.org", bcc = "SMTP:b@example.org";
    recips[0].lpszName = to.data();
    recips[1].lpszAddress = bcc.data();
    MapiFileDesc file{0, 0, 0xFFFFFFFFu, nullptr, nullptr, nullptr};
    std::string path = list;
    file.lpszPathName = path.data();
    MapiMessage message{};
    message.lpszSubject = subject.data();
    message.lpszNoteText = body.data();
    message.nRecipCount = 2;
    message.lpRecips = recips;
    message.nFileCount = 1;
    message.lpFiles = &file;

    ASSERT_EQ(send(message), 0u);
    const auto args = fake.arguments();
    ASSERT_EQ(args.size(), 13u);
    const std::string copy = args[12];
    EXPECT_EQ(args, (std::vector<std::string>{
                        "--utf8", "--to", "-x@example.org", "--bcc", "b@example.org", "--subject",
                        "Caf\xc3\xa9 list $(touch x) \"quoted\" 'and' `more`", "--body", "line one",
                        "line two", "", "--attach", copy}));
    EXPECT_FALSE(fs::exists(fs::current_path() / "x")) << "the subject reached a shell";
    EXPECT_EQ(fake.attachedBytes(), "Milk\r\n");

    // The copy outlives the caller's file, under its own name in an owner-only folder.
    fs::remove(list);
    EXPECT_EQ(fs::path(copy).filename(), "ShoppingList.txt");
    EXPECT_EQ(fs::path(copy).parent_path().parent_path(), fs::path(mailFolder()));
    EXPECT_EQ(readBytes(copy), "Milk\r\n");
    EXPECT_EQ(modeOf(copy), 0600u);
    EXPECT_EQ(modeOf(fs::path(copy).parent_path()), 0700u);
    EXPECT_EQ(modeOf(mailFolder()), 0700u);
}

TEST_F(XdgEmailTest, twoAttachmentsWithOneNameKeepTheirNamesAndBothArrive) {
    std::string a = attachment("list.txt", "first"), b = source.file("sub/list.txt");
    fs::create_directory(source.file("sub"));
    writeBytes(b, "second");
    MapiFileDesc files[2] = {{0, 0, 0xFFFFFFFFu, a.data(), nullptr, nullptr},
                             {0, 0, 0xFFFFFFFFu, b.data(), nullptr, nullptr}};
    MapiMessage message{};
    message.nFileCount = 2;
    message.lpFiles = files;
    ASSERT_EQ(send(message), 0u);
    const auto args = fake.arguments();
    ASSERT_EQ(args.size(), 5u);
    EXPECT_NE(args[2], args[4]);
    EXPECT_EQ(fs::path(args[2]).filename(), "list.txt");
    EXPECT_EQ(fs::path(args[4]).filename(), "list.txt");
    EXPECT_EQ(fake.attachedBytes(), "firstsecond");
}

TEST_F(XdgEmailTest, failuresAreReportedWithTheirOwnCodesAndLeaveNoCopies) {
    std::string path = attachment("ShoppingList.txt", "x");
    MapiFileDesc file{0, 0, 0xFFFFFFFFu, path.data(), nullptr, nullptr};
    MapiMessage message{};
    message.nFileCount = 1;
    message.lpFiles = &file;
    const std::pair<int, ULong> exits[] = {{1, 2}, {2, 11}, {3, 26}, {4, 2}, {5, 12}, {9, 2}};
    for (const auto& [exitCode, expected] : exits) {
        fake.setExitCode(exitCode);
        EXPECT_EQ(send(message), expected) << "xdg-email exit " << exitCode;
    }
    EXPECT_EQ(messageFolders(), 0);

    fs::remove(fake.folder() + "args");
    fake.setExitCode(0);
    EXPECT_EQ(send(message, 0x01), NotSupported) << "a message cannot go out unseen";
    std::string missing = source.file("gone.txt");
    file.lpszPathName = missing.data();
    EXPECT_EQ(send(message), AttachmentNotFound);
    ASSERT_EQ(::mkfifo(source.file("pipe").c_str(), 0600), 0);
    std::string pipe = source.file("pipe");
    file.lpszPathName = pipe.data();
    EXPECT_EQ(send(message), AttachmentOpenFailure) << "a pipe must not stall the send";
    EXPECT_FALSE(fake.ran());
    EXPECT_EQ(messageFolders(), 0);

    MapiRecipDesc recip{0, 7, nullptr, nullptr, 0, nullptr};
    std::string name = "a@b";
    recip.lpszName = name.data();
    MapiMessage badRecipient{};
    badRecipient.nRecipCount = 1;
    badRecipient.lpRecips = &recip;
    EXPECT_EQ(send(badRecipient), BadRecipientType);
    EXPECT_EQ(service.sendMail(nullptr, 0x09), InvalidMessage);

    XdgEmailService gone(source.file("no-such-program"));
    EXPECT_EQ(gone.sendMail(&badRecipient, 0x09), BadRecipientType);
    recip.ulRecipClass = RecipTo;
    EXPECT_EQ(gone.sendMail(&badRecipient, 0x09), GeneralFailure) << "failure to start";
}

TEST_F(XdgEmailTest, dayOldMessageFoldersGoOnTheNextSendNewerOnesStay) {
    fs::create_directories(mailFolder() + "/message-old/x");
    fs::create_directories(mailFolder() + "/message-new");
    fs::create_directories(mailFolder() + "/other");
    const auto twoDaysAgo = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(mailFolder() + "/message-old", twoDaysAgo);
    fs::last_write_time(mailFolder() + "/other", twoDaysAgo);
    std::string path = attachment("ShoppingList.txt", "x");
    MapiFileDesc file{0, 0, 0xFFFFFFFFu, path.data(), nullptr, nullptr};
    MapiMessage message{};
    message.nFileCount = 1;
    message.lpFiles = &file;
    ASSERT_EQ(send(message), 0u);
    EXPECT_FALSE(fs::exists(mailFolder() + "/message-old"));
    EXPECT_TRUE(fs::exists(mailFolder() + "/message-new"));
    EXPECT_TRUE(fs::exists(mailFolder() + "/other"));
}

TEST_F(XdgEmailTest, aMailProgramStillRunningAfterTheWaitHasTakenTheMessage) {
    fake.setSleepSeconds(3);
    service.setHandOverWait(std::chrono::milliseconds(200));
    MapiMessage message{};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(send(message), 0u);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST_F(XdgEmailTest, namesResolveToThemselvesAndOnlyTheirRecordsCanBeFreed) {
    MapiRecipDesc* recip = nullptr;
    EXPECT_EQ(service.resolveName("  \t ", &recip), UnknownRecipient);
    EXPECT_EQ(recip, nullptr);
    ASSERT_EQ(service.resolveName(" ann@example.org ", &recip), 0u);
    EXPECT_STREQ(recip->lpszName, "ann@example.org");
    EXPECT_STREQ(recip->lpszAddress, "ann@example.org");
    EXPECT_EQ(service.freeBuffer(recip), 0u);
    EXPECT_EQ(service.freeBuffer(recip), GeneralFailure) << "freed twice";
    LHandle session = 0;
    EXPECT_EQ(service.logon(&session), 0u);
    EXPECT_NE(session, 0u);
}

TEST_F(XdgEmailTest, offeredOnlyWhenXdgEmailIsOnThePath) {
    {
        const ScopedEnv path("PATH", source.path() + ":" + source.file("missing"));
        EXPECT_EQ(loadXdgEmailMail(), nullptr);
    }
    const ScopedEnv path("PATH", source.path() + ":" + fake.binFolder());
    const auto module = loadXdgEmailMail();
    ASSERT_NE(module, nullptr);
    for (const char* name : {"MAPILogon", "MAPIResolveName", "MAPISendMail", "MAPIFreeBuffer"})
        EXPECT_NE(module->lookUp(name), nullptr) << name;
    EXPECT_EQ(module->lookUp("MAPILogoff"), nullptr);
    auto* sendMail = reinterpret_cast<SendMailProc*>(module->lookUp("MAPISendMail"));
    MapiMessage message{};
    EXPECT_EQ(sendMail(1, 0, &message, 0x09, 0), 0u);
    EXPECT_TRUE(fake.ran());
}

TEST_F(XdgEmailTest, withoutPathTheSystemPathIsSearchedAndNeverTheCurrentFolder) {
    // A program of that name waits in the folder the program was started from.
    const std::string planted = source.file("xdg-email");
    writeBytes(planted, "#!/bin/sh\nexit 0\n");
    ::chmod(planted.c_str(), 0755);
    const fs::path startedIn = fs::current_path();
    fs::current_path(source.path());
    std::string unset, relative, shell;
    {
        const ScopedEnv path("PATH", "");
        ::unsetenv("PATH");
        unset = XdgEmailService::findOnPath("xdg-email");
        shell = XdgEmailService::findOnPath("sh");
    }
    {
        const ScopedEnv path("PATH", ":.:bin");
        relative = XdgEmailService::findOnPath("xdg-email");
    }
    fs::current_path(startedIn);
    EXPECT_TRUE(unset.empty() || unset.front() == '/') << unset;
    EXPECT_NE(fs::path(unset).parent_path(), fs::path(source.path()).parent_path());
    EXPECT_EQ(relative, "");
    EXPECT_TRUE(shell == "/bin/sh" || shell == "/usr/bin/sh") << shell;
}
