#pragma once

#include "app/DialogFrame.h"

// The category dialog: a category's name.
class TfrmRenameCategory : public DialogFrame {
    Q_OBJECT
public:
    explicit TfrmRenameCategory(QWidget* owner);
};

// Fills the dialog, shows it modally and hands the name back whatever the result.
// Returns 1 for OK, 2 for a cancel.
int ExecuteRenameCategory(TfrmRenameCategory& dialog, QString& categoryName);
