#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// The platform's simple-mail interface: four operations over records in the platform's
// own layout. On Windows the calls go to the system's simple-mail library; elsewhere to a
// stand-in with the same contract that hands the message to the user's mail program.
namespace platform::mapi {

using ULong = std::uint32_t;
// The calling convention of the library's entry points (the Windows API's on 32-bit).
#if defined(_WIN32) && !defined(_WIN64)
#define PROVENDO_MAPI_CALL __stdcall
#else
#define PROVENDO_MAPI_CALL
#endif

// Session and window handles are pointer-sized on the platform.
using LHandle = std::uintptr_t;

// Result codes the program's own layers return; the mail component knows the full table.
constexpr ULong SuccessSuccess = 0;
constexpr ULong UserAbort = 1;
constexpr ULong GeneralFailure = 2;
constexpr ULong DiskFull = 4;
constexpr ULong InsufficientMemory = 5;
constexpr ULong AttachmentNotFound = 11;
constexpr ULong AttachmentOpenFailure = 12;
constexpr ULong AttachmentWriteFailure = 13;
constexpr ULong UnknownRecipient = 14;
constexpr ULong BadRecipientType = 15;
constexpr ULong InvalidMessage = 17;
constexpr ULong NotSupported = 26;

// Flag bits.
constexpr ULong LogonUi = 0x01;
constexpr ULong Dialog = 0x08;
constexpr ULong UseDefault = 0x40;

// Recipient classes.
constexpr ULong RecipTo = 1;
constexpr ULong RecipCc = 2;
constexpr ULong RecipBcc = 3;

struct MapiRecipDesc {
    ULong ulReserved;
    ULong ulRecipClass;
    char* lpszName;
    char* lpszAddress;
    ULong ulEIDSize;
    void* lpEntryID;
};

struct MapiFileDesc {
    ULong ulReserved;
    ULong flFlags;
    ULong nPosition;
    char* lpszPathName;
    char* lpszFileName;
    void* lpFileType;
};

struct MapiMessage {
    ULong ulReserved;
    char* lpszSubject;
    char* lpszNoteText;
    char* lpszMessageType;
    char* lpszDateReceived;
    char* lpszConversationID;
    ULong flFlags;
    MapiRecipDesc* lpOriginator;
    ULong nRecipCount;
    MapiRecipDesc* lpRecips;
    ULong nFileCount;
    MapiFileDesc* lpFiles;
};

// The entry points' types, as the library exports them.
using LogonProc = ULong PROVENDO_MAPI_CALL(LHandle, const char*, const char*, ULong, ULong,
                                           LHandle*);
using ResolveNameProc = ULong PROVENDO_MAPI_CALL(LHandle, LHandle, const char*, ULong, ULong,
                                                 MapiRecipDesc**);
using SendMailProc = ULong PROVENDO_MAPI_CALL(LHandle, LHandle, MapiMessage*, ULong, ULong);
using FreeBufferProc = ULong PROVENDO_MAPI_CALL(void*);

} // namespace platform::mapi

namespace platform {

// The four operations, each returning the service's result code (0 is success).
class SimpleMail {
public:
    virtual ~SimpleMail() = default;
    virtual mapi::ULong MAPILogon(mapi::LHandle uiParam, const char* profileName,
                                  const char* password, mapi::ULong flags, mapi::ULong reserved,
                                  mapi::LHandle* session) = 0;
    virtual mapi::ULong MAPIResolveName(mapi::LHandle session, mapi::LHandle uiParam,
                                        const char* name, mapi::ULong flags, mapi::ULong reserved,
                                        mapi::MapiRecipDesc** recip) = 0;
    virtual mapi::ULong MAPISendMail(mapi::LHandle session, mapi::LHandle uiParam,
                                     mapi::MapiMessage* message, mapi::ULong flags,
                                     mapi::ULong reserved) = 0;
    virtual mapi::ULong MAPIFreeBuffer(void* buffer) = 0;
};

// A loaded simple-mail library: its entry points by name.
class SimpleMailModule {
public:
    using EntryPoint = void (*)();
    virtual ~SimpleMailModule() = default;
    // The entry point of that name, or null when the library has none.
    virtual EntryPoint lookUp(const char* name) = 0;
};

// Loads the library, or returns null when simple mail is not offered or loading fails.
using SimpleMailLoader = std::function<std::unique_ptr<SimpleMailModule>()>;

// Reaches the library: loads it on the first call of any operation and only then, looks
// each entry point up by name at its first use, and answers 1 (the user-abort code) for
// an operation when there is no library or no such entry point. The library is released
// with this object.
class SimpleMailLibrary : public SimpleMail {
public:
    explicit SimpleMailLibrary(SimpleMailLoader loader);
    ~SimpleMailLibrary() override;

    mapi::ULong MAPILogon(mapi::LHandle uiParam, const char* profileName, const char* password,
                          mapi::ULong flags, mapi::ULong reserved, mapi::LHandle* session) override;
    mapi::ULong MAPIResolveName(mapi::LHandle session, mapi::LHandle uiParam, const char* name,
                                mapi::ULong flags, mapi::ULong reserved,
                                mapi::MapiRecipDesc** recip) override;
    mapi::ULong MAPISendMail(mapi::LHandle session, mapi::LHandle uiParam,
                             mapi::MapiMessage* message, mapi::ULong flags,
                             mapi::ULong reserved) override;
    mapi::ULong MAPIFreeBuffer(void* buffer) override;

private:
    struct Slot {
        const char* name;
        SimpleMailModule::EntryPoint entry = nullptr;
        bool lookedUp = false;
    };
    template <class Function> Function* entry(Slot& slot);

    SimpleMailLoader loader_;
    bool loaded_ = false;
    std::unique_ptr<SimpleMailModule> module_;
    Slot logon_{"MAPILogon"};
    Slot resolveName_{"MAPIResolveName"};
    Slot sendMail_{"MAPISendMail"};
    Slot freeBuffer_{"MAPIFreeBuffer"};
};

// This system's library: on Windows MAPI32.DLL when the registry says simple mail is
// offered; elsewhere the xdg-email stand-in when xdg-email is on the PATH. Null when
// simple mail is not offered here.
std::unique_ptr<SimpleMailModule> loadSystemSimpleMail();

// The one library of the run, reached on first use and released at program end.
SimpleMail& simpleMail();
// Tests put a recording fake in its place; null restores the system's library.
void setSimpleMailForTesting(SimpleMail* fake);

} // namespace platform
