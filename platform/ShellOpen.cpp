#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {

class DesktopShell : public ShellOpen {
public:
    bool open(const QString& target) override {
        return QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
    }
};

ShellOpen*& fakeShell() {
    static ShellOpen* fake = nullptr;
    return fake;
}

} // namespace

ShellOpen& shell() {
    static DesktopShell desktop;
    return fakeShell() ? *fakeShell() : desktop;
}

void setShellForTesting(ShellOpen* fake) {
    fakeShell() = fake;
}

} // namespace platform
