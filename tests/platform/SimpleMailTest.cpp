#include "platform/SimpleMail.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace platform;
using namespace platform::mapi;

namespace {

// Counts what the library does with its module.
struct ModuleLog {
    int loads = 0;
    int releases = 0;
    std::vector<std::string> lookUps;
    std::vector<std::string> calls;
};
ModuleLog* moduleLog = nullptr;

ULong fakeLogon(LHandle, const char* profile, const char*, ULong flags, ULong, LHandle* session) {
    moduleLog->calls.push_back("logon " + std::string(profile) + " " + std::to_string(flags));
    *session = 42;
    return 0;
}
ULong fakeSendMail(LHandle session, LHandle, MapiMessage*, ULong flags, ULong) {
    moduleLog->calls.push_back("send " + std::to_string(session) + " " + std::to_string(flags));
    return 0;
}

class FakeModule : public SimpleMailModule {
public:
    ~FakeModule() override { ++moduleLog->releases; }
    EntryPoint lookUp(const char* name) override {
        moduleLog->lookUps.emplace_back(name);
        if (std::string(name) == "MAPILogon")
            return reinterpret_cast<EntryPoint>(&fakeLogon);
        if (std::string(name) == "MAPISendMail")
            return reinterpret_cast<EntryPoint>(&fakeSendMail);
        return nullptr; // no MAPIResolveName, no MAPIFreeBuffer
    }
};

class SimpleMailLibraryTest : public testing::Test {
protected:
    void SetUp() override { moduleLog = &log; }
    void TearDown() override { moduleLog = nullptr; }
    ModuleLog log;
};

} // namespace

TEST_F(SimpleMailLibraryTest, loadsOnFirstCallAndLooksEachEntryUpOnceByName) {
    {
        SimpleMailLibrary library([this]() -> std::unique_ptr<SimpleMailModule> {
            ++log.loads;
            return std::make_unique<FakeModule>();
        });
        EXPECT_EQ(log.loads, 0) << "nothing is loaded before the first call";
        LHandle session = 0;
        EXPECT_EQ(library.MAPILogon(0, "", "", 0x49, 0, &session), 0u);
        EXPECT_EQ(session, 42u);
        EXPECT_EQ(library.MAPILogon(0, "p", "", 0x09, 0, &session), 0u);
        EXPECT_EQ(library.MAPISendMail(42, 0, nullptr, 0x09, 0), 0u);
        MapiRecipDesc* recip = nullptr;
        EXPECT_EQ(library.MAPIResolveName(42, 0, "a", 0x09, 0, &recip), UserAbort);
        EXPECT_EQ(library.MAPIResolveName(42, 0, "a", 0x09, 0, &recip), UserAbort);
        EXPECT_EQ(library.MAPIFreeBuffer(nullptr), UserAbort);
        EXPECT_EQ(log.loads, 1);
        EXPECT_EQ(log.lookUps, (std::vector<std::string>{"MAPILogon", "MAPISendMail",
                                                         "MAPIResolveName", "MAPIFreeBuffer"}));
        EXPECT_EQ(log.calls, (std::vector<std::string>{"logon  73", "logon p 9", "send 42 9"}));
        EXPECT_EQ(log.releases, 0);
    }
    EXPECT_EQ(log.releases, 1) << "the library is released with the layer";
}

TEST_F(SimpleMailLibraryTest, withoutALibraryEveryCallReturnsOneAndLoadingIsNotRetried) {
    SimpleMailLibrary library([this]() -> std::unique_ptr<SimpleMailModule> {
        ++log.loads;
        return nullptr;
    });
    LHandle session = 7;
    MapiRecipDesc* recip = nullptr;
    EXPECT_EQ(library.MAPILogon(0, "", "", 0x49, 0, &session), UserAbort);
    EXPECT_EQ(library.MAPIResolveName(0, 0, "a", 0x09, 0, &recip), UserAbort);
    EXPECT_EQ(library.MAPISendMail(0, 0, nullptr, 0x09, 0), UserAbort);
    EXPECT_EQ(library.MAPIFreeBuffer(nullptr), UserAbort);
    EXPECT_EQ(session, 7u);
    EXPECT_EQ(log.loads, 1);
}
