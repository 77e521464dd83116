#pragma once

#include "app/DialogFrame.h"

namespace controls {
class SpinEdit;
}

// The item dialog: an item's name and its quantity text.
class TfrmRename : public DialogFrame {
    Q_OBJECT
public:
    explicit TfrmRename(QWidget* owner);

    controls::SpinEdit* quantityField() const { return spinQuantity; }

    // Enter while the quantity field has the focus normalises it first, as leaving it
    // would, so no item comes back with a quantity like 250.
    void accept() override;

private:
    controls::SpinEdit* spinQuantity;
};

// Fills the dialog, shows it modally and hands both texts back whatever the result.
// Returns 1 for OK, 2 for a cancel.
int ExecuteRenameItem(TfrmRename& dialog, QString& itemName, QString& quantity);
