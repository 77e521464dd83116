#include "app/RenameItem.h"

#include "app/ModalSeam.h"
#include "controls/SpinEdit.h"

#include <QLineEdit>
#include <QPushButton>

TfrmRename::TfrmRename(QWidget* owner) : DialogFrame(tr("Item/Quantity"), owner) {
    setObjectName(QStringLiteral("frmRename"));
    boldLabel("Label2", tr("Quantity"), 344, 8);
    spinQuantity = new controls::SpinEdit(this);
    spinQuantity->setObjectName(QStringLiteral("spinQuantity"));
    spinQuantity->setAccessibleName(tr("Quantity"));
    spinQuantity->setGeometry(344, 32, 47, 24);
    setTabOrder(nameField(), spinQuantity->editor());
    setTabOrder(spinQuantity->editor(), okButton());
}

void TfrmRename::accept() {
    if (spinQuantity->editor()->hasFocus())
        spinQuantity->normalise();
    DialogFrame::accept();
}

int ExecuteRenameItem(TfrmRename& dialog, QString& itemName, QString& quantity) {
    dialog.nameField()->setText(itemName);
    dialog.quantityField()->setText(quantity);
    const int result = ModalSeam::execDialog(dialog);
    itemName = dialog.nameField()->text();
    quantity = dialog.quantityField()->text();
    return result;
}
