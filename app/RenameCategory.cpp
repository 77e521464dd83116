#include "app/RenameCategory.h"

#include "app/ModalSeam.h"

#include <QLineEdit>

// The caption's spelling is the dialog's own and is kept as it always was.
TfrmRenameCategory::TfrmRenameCategory(QWidget* owner) : DialogFrame(tr("Rename Catetory"), owner) {
    setObjectName(QStringLiteral("frmRenameCategory"));
}

int ExecuteRenameCategory(TfrmRenameCategory& dialog, QString& categoryName) {
    dialog.nameField()->setText(categoryName);
    const int result = ModalSeam::execDialog(dialog);
    categoryName = dialog.nameField()->text();
    return result;
}
