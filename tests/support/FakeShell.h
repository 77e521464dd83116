#pragma once

#include "platform/ShellOpen.h"

#include <QStringList>

// Stands in for the desktop's shell while it exists: records every target and answers
// at once with the result a test chose.
class FakeShell : public platform::ShellOpen {
public:
    FakeShell() { platform::setShellForTesting(this); }
    ~FakeShell() override { platform::setShellForTesting(nullptr); }
    void open(const QString& target, Done done) override {
        opened << target;
        if (done)
            done(succeeds);
    }

    QStringList opened;
    bool succeeds = true;
};
