// The editing commands of the main window: add, edit, delete, the tick commands,
// renaming a category, and the pop-up menu of the page area.
#include "app/Main.h"

#include "app/MenuEntries.h"
#include "app/ModalSeam.h"
#include "app/RenameCategory.h"
#include "app/RenameItem.h"
#include "controls/CheckListBox.h"
#include "controls/HeaderControl.h"
#include "controls/PageControl.h"
#include "controls/SpinEdit.h"
#include "model/ItemLine.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>

void TfrmMain::wireEditCommands() {
    buildPopupMenu();
    // The window opens ready for typing the first item.
    page(0).nameField->setFocus();
    using Handler = void (TfrmMain::*)();
    static constexpr Handler sectionResize[model::CategoryCount] = {
        &TfrmMain::hdrDairySectionResize,   &TfrmMain::hdrMeatSectionResize,
        &TfrmMain::hdrVeggiesSectionResize, &TfrmMain::hdrFruitsSectionResize,
        &TfrmMain::hdrGrainsSectionResize,  &TfrmMain::hdrCansSectionResize,
        &TfrmMain::hdrDrinksSectionResize,  &TfrmMain::hdrFreezerSectionResize,
        &TfrmMain::hdrBabySectionResize,    &TfrmMain::hdrMiscSectionResize};
    for (int category = 0; category < model::CategoryCount; ++category) {
        const CategoryPage& p = page(category);
        connect(p.addButton, &QPushButton::clicked, this,
                [this, category] { addItemClick(category); });
        connect(p.list, &QAbstractItemView::doubleClicked, this,
                &TfrmMain::checkListBoxDoubleClick);
        connect(p.header, &controls::HeaderControl::sectionResize, this, sectionResize[category]);
    }
}

void TfrmMain::buildPopupMenu() {
    mnuPFood = new QMenu(pcFoodMain);
    mnuPFood->setObjectName(QStringLiteral("mnuPFood"));
    mnuPFoodCheckAllForCategory = addMenuEntry(mnuPFood, "mnuPFoodCheckAllForCategory",
                                               tr("Check all items for this category"));
    mnuPFoodUncheckAllForCategory = addMenuEntry(mnuPFood, "mnuPFoodUncheckAllForCategory",
                                                 tr("Uncheck all items for this category"));
    addMenuSeparator(mnuPFood, "N3");
    mnuPFoodCheckAllForList =
        addMenuEntry(mnuPFood, "mnuPFoodCheckAllForList", tr("Check all items for this list"));
    mnuPFoodUncheckAllForList =
        addMenuEntry(mnuPFood, "mnuPFoodUncheckAllForList", tr("Uncheck all items for this list"));
    addMenuSeparator(mnuPFood, "N4");
    mnuPFoodRename = addMenuEntry(mnuPFood, "mnuPFoodRename", tr("Rename item | Modify Quantity"));
    mnuPFoodRenameCategory =
        addMenuEntry(mnuPFood, "mnuPFoodRenameCategory", tr("Rename Category"));
    mnuPFoodDelete = addMenuEntry(mnuPFood, "mnuPFoodDelete", tr("Delete"));
    // Shown in the menu; the key itself deletes only from a category list (eventFilter),
    // so that Delete still edits text in the name, quantity and notes fields.
    mnuPFoodDelete->setShortcut(QKeySequence(Qt::Key_Delete));
    mnuPFoodDelete->setShortcutContext(Qt::WidgetShortcut);

    connect(mnuPFoodCheckAllForCategory, &QAction::triggered, this,
            &TfrmMain::mnuPFoodCheckAllForCategoryClick);
    connect(mnuPFoodUncheckAllForCategory, &QAction::triggered, this,
            &TfrmMain::mnuPFoodUncheckAllForCategoryClick);
    connect(mnuPFoodCheckAllForList, &QAction::triggered, this,
            &TfrmMain::mnuPFoodCheckAllForListClick);
    connect(mnuPFoodUncheckAllForList, &QAction::triggered, this,
            &TfrmMain::mnuPFoodUncheckAllForListClick);
    connect(mnuPFoodRename, &QAction::triggered, this, &TfrmMain::mnuPFoodRenameClick);
    connect(mnuPFoodRenameCategory, &QAction::triggered, this,
            &TfrmMain::mnuPFoodRenameCategoryClick);
    connect(mnuPFoodDelete, &QAction::triggered, this, &TfrmMain::mnuPFoodDeleteClick);

    // A right-click or the menu key anywhere in the page area, except in the text fields,
    // which keep their own menus.
    pcFoodMain->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pcFoodMain, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        mnuPFoodPopup();
        mnuPFood->popup(pcFoodMain->mapToGlobal(pos));
    });
}

bool TfrmMain::acceptItemName(const QString& name) {
    if (!name.contains(QLatin1String("//")) && !name.contains(QLatin1Char('\t')))
        return true;
    ModalSeam::message(this, tr("Provendo"),
                       tr("An item name cannot contain \"//\" or a TAB character: a list "
                          "file would read it back as a category or split it in two.\n\n"
                          "Please change the name."),
                       QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok);
    return false;
}

void TfrmMain::addItemClick(int category) {
    const CategoryPage& p = page(category);
    // Enter in the quantity field adds before the field has lost the focus.
    p.quantityField->normalise();
    const QString name = p.nameField->text();
    const std::string nameBytes = platform::fromQString(name);
    if (model::trimControls(nameBytes).empty())
        return;
    if (!acceptItemName(name)) {
        p.nameField->setFocus();
        return;
    }
    document_.list(category).append(
        model::joinItemLine(nameBytes, platform::fromQString(p.quantityField->text())));
    p.nameField->clear();
    p.nameField->setFocus();
    setModified();
    UpdateFromHeader(category);
}

void TfrmMain::checkListBoxDoubleClick() {
    const int category = activeCategory();
    if (category < 0)
        return;
    model::CategoryList& list = document_.list(category);
    if (list.selectionCount() == 0 || list.focused() <= 0)
        return;
    const auto line = static_cast<std::size_t>(list.focused());
    const model::ItemParts parts = model::splitItemLine(list.text(line));
    QString name = platform::toQString(parts.name);
    QString quantity = platform::toQString(parts.quantity);
    TfrmRename dialog(this);
    // A refused name opens the dialog again with the typed texts, to be corrected.
    do {
        if (ExecuteRenameItem(dialog, name, quantity) != DialogFrame::ResultOk)
            return;
    } while (!acceptItemName(name));
    list.replaceText(
        line, model::joinItemLine(platform::fromQString(name), platform::fromQString(quantity)));
    setModified();
}

void TfrmMain::mnuPFoodRenameClick() {
    checkListBoxDoubleClick();
}

void TfrmMain::mnuPFoodDeleteClick() {
    const int category = activeCategory();
    if (category < 0)
        return;
    controls::CheckListBox* view = page(category).list;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    view->setUpdatesEnabled(false);
    const auto restore = qScopeGuard([view] {
        view->setUpdatesEnabled(true);
        QApplication::restoreOverrideCursor();
    });
    document_.list(category).removeSelected();
    setModified();
}

void TfrmMain::setCategoryTicks(int category, bool ticked) {
    if (category >= 0)
        document_.list(category).setAllTicked(ticked);
}

void TfrmMain::mnuPFoodCheckAllForCategoryClick() {
    setCategoryTicks(activeCategory(), true);
}

void TfrmMain::mnuPFoodUncheckAllForCategoryClick() {
    setCategoryTicks(activeCategory(), false);
}

void TfrmMain::mnuPFoodCheckAllForListClick() {
    document_.setAllTicked(true);
}

void TfrmMain::mnuPFoodUncheckAllForListClick() {
    document_.setAllTicked(false);
}

void TfrmMain::mnuPFoodRenameCategoryClick() {
    const int category = activeCategory();
    if (category < 0)
        return;
    controls::TabSheet* sheet = page(category).sheet;
    QString name = sheet->caption();
    TfrmRenameCategory dialog(this);
    if (ExecuteRenameCategory(dialog, name) != DialogFrame::ResultOk)
        return;
    sheet->setCaption(name);
    document_.list(category).replaceText(0, "//" + platform::fromQString(name));
    setModified();
}

// Delete and edit act on the focused or selected items, never on the marker line. On the
// Notes page the entries keep the state they last had.
void TfrmMain::mnuPFoodPopup() {
    const int category = activeCategory();
    if (category < 0)
        return;
    const model::CategoryList& list = document_.list(category);
    const bool usable = list.selectionCount() > 0 && !list.selected(0);
    mnuPFoodDelete->setEnabled(usable);
    mnuPFoodRename->setEnabled(usable);
}
