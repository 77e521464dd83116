#include "platform/SimpleMail.h"

namespace platform {

SimpleMailLibrary::SimpleMailLibrary(SimpleMailLoader loader) : loader_(std::move(loader)) {}

SimpleMailLibrary::~SimpleMailLibrary() = default;

template <class Function> Function* SimpleMailLibrary::entry(Slot& slot) {
    if (!loaded_) {
        loaded_ = true;
        module_ = loader_();
    }
    if (!module_)
        return nullptr;
    if (!slot.lookedUp) {
        slot.lookedUp = true;
        slot.entry = module_->lookUp(slot.name);
    }
    return reinterpret_cast<Function*>(slot.entry);
}

mapi::ULong SimpleMailLibrary::MAPILogon(mapi::LHandle uiParam, const char* profileName,
                                         const char* password, mapi::ULong flags,
                                         mapi::ULong reserved, mapi::LHandle* session) {
    auto* call = entry<mapi::LogonProc>(logon_);
    return call ? call(uiParam, profileName, password, flags, reserved, session) : mapi::UserAbort;
}

mapi::ULong SimpleMailLibrary::MAPIResolveName(mapi::LHandle session, mapi::LHandle uiParam,
                                               const char* name, mapi::ULong flags,
                                               mapi::ULong reserved, mapi::MapiRecipDesc** recip) {
    auto* call = entry<mapi::ResolveNameProc>(resolveName_);
    return call ? call(session, uiParam, name, flags, reserved, recip) : mapi::UserAbort;
}

mapi::ULong SimpleMailLibrary::MAPISendMail(mapi::LHandle session, mapi::LHandle uiParam,
                                            mapi::MapiMessage* message, mapi::ULong flags,
                                            mapi::ULong reserved) {
    auto* call = entry<mapi::SendMailProc>(sendMail_);
    return call ? call(session, uiParam, message, flags, reserved) : mapi::UserAbort;
}

mapi::ULong SimpleMailLibrary::MAPIFreeBuffer(void* buffer) {
    auto* call = entry<mapi::FreeBufferProc>(freeBuffer_);
    return call ? call(buffer) : mapi::UserAbort;
}

namespace {
SimpleMail*& fakeService() {
    static SimpleMail* fake = nullptr;
    return fake;
}
} // namespace

SimpleMail& simpleMail() {
    if (fakeService())
        return *fakeService();
    static SimpleMailLibrary library(&loadSystemSimpleMail);
    return library;
}

void setSimpleMailForTesting(SimpleMail* fake) {
    fakeService() = fake;
}

} // namespace platform
