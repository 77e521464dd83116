#pragma once

#include "platform/ShellOpen.h"

#include <QStringList>

// Stands in for the desktop's shell while it exists: records every target and answers
// with the result a test chose.
class FakeShell : public platform::ShellOpen {
public:
    FakeShell() { platform::setShellForTesting(this); }
    ~FakeShell() override { platform::setShellForTesting(nullptr); }
    bool open(const QString& target) override {
        opened << target;
        return succeeds;
    }

    QStringList opened;
    bool succeeds = true;
};
