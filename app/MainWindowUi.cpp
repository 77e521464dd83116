#include "app/MainWindowUi.h"

#include "app/CategoryListModel.h"
#include "app/Fonts.h"
#include "app/MenuEntries.h"
#include "controls/BalloonHints.h"
#include "controls/CheckListBox.h"
#include "controls/ContextMenuKey.h"
#include "controls/HeaderControl.h"
#include "controls/MenuFont.h"
#include "controls/NotesMemo.h"
#include "controls/PageControl.h"
#include "controls/Panels.h"
#include "controls/SpinEdit.h"
#include "controls/ToolIcons.h"
#include "model/Document.h"
#include "model/TabStops.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString latin(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The window's texts keep the window's translation context.
QString tr(const char* text) {
    return QCoreApplication::translate("TfrmMain", text);
}

} // namespace

void MainWindowUi::build(QMainWindow& window, model::Document& document) {
    window.setObjectName(QStringLiteral("frmMain"));
    window.setWindowTitle(QStringLiteral("Provendo V1.1"));
    window.setFont(Fonts::windowFont());
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    window.setPalette(pal);

    // Pop-up and drop-down menus, the fields' own included, speak the menu bar's font.
    new controls::MenuFont(window.font(), &window);
    new controls::ContextMenuKey(&window);

    BalloonHints_ = new controls::BalloonHints(&window);
    BalloonHints_->setObjectName(QStringLiteral("BalloonHints"));

    buildMenus(window);
    buildToolBar(window);
    buildPages(window, document);
    buildStatusBar(window);
    buildPopupMenu();
}

void MainWindowUi::buildMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("MainMenuFile"));
    MainMenuFileNew = addMenuEntry(file, "MainMenuFileNew", tr("&New"));
    MainMenuFileOpen = addMenuEntry(file, "MainMenuFileOpen", tr("&Open..."));
    MainMenuFileClose = addMenuEntry(file, "MainMenuFileClose", tr("&Close"));
    MainMenuFileSave = addMenuEntry(file, "MainMenuFileSave", tr("&Save"));
    MainMenuFileSave->setEnabled(false);
    MainMenuFileSaveAs = addMenuEntry(file, "MainMenuFileSaveAs", tr("Save &As..."));
    MainMenuFileSaveAs->setEnabled(false);
    addMenuSeparator(file, "N2");
    MainMenuFilePrint = addMenuEntry(file, "MainMenuFilePrint", tr("&Print..."));
    MainMenuFilePrintSetup = addMenuEntry(file, "MainMenuFilePrintSetup", tr("P&rint Setup..."));
    addMenuSeparator(file, "N1");
    Exit1 = addMenuEntry(file, "Exit1", tr("E&xit"));

    QMenu* tools = bar->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("MainMenuTools"));
    MainMenuToolsSendEmail =
        addMenuEntry(tools, "MainMenuToolsSendEmail", tr("Email shopping list"));
    addMenuSeparator(tools, "N5");
    MainMenuToolsBalloons = addMenuEntry(tools, "MainMenuToolsBalloons", tr("Balloon Hints"));
    MainMenuToolsBalloons->setCheckable(true);
    MainMenuToolsBalloons->setChecked(true);

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    Contents1 = addMenuEntry(help, "Contents1", tr("&Contents"));
    addMenuEntry(help, "SearchforHelpOn1", tr("&Search for Help On..."))->setVisible(false);
    addMenuEntry(help, "HowtoUseHelp1", tr("&How to Use Help"))->setVisible(false);
    MainMenuHelpHomePage = addMenuEntry(help, "MainMenuHelpHomePage", tr("&Home Page"));
    About1 = addMenuEntry(help, "About1", tr("&About..."));
}

void MainWindowUi::buildToolBar(QMainWindow& window) {
    tbMain = new controls::GroovedToolBar(&window);
    tbMain->setObjectName(QStringLiteral("tbMain"));
    tbMain->setWindowTitle(tr("Tool bar"));
    tbMain->setMovable(false);
    tbMain->setFloatable(false);
    tbMain->setFixedHeight(29);
    tbMain->setIconSize(QSize(16, 16));
    tbMain->setContentsMargins(0, 0, 0, 0);
    tbMain->layout()->setSpacing(0);
    tbMain->layout()->setContentsMargins(4, 2, 0, 2);
    window.addToolBar(Qt::TopToolBarArea, tbMain);

    struct ButtonDef {
        QToolButton** button;
        const char* name;
        const char* caption;
        const char* hint;
        int picture;
        int disabled;
        QAction* menuEntry;
    };
    const ButtonDef buttons[] = {
        {&BtnNew, "BtnNew", "New", "Create new shopping list", 0, 1, MainMenuFileNew},
        {&BtnOpen, "BtnOpen", "Open", "Open a shopping list", 2, 3, MainMenuFileOpen},
        {&BtnClose, "BtnClose", "Close", "Close current list", 12, 13, MainMenuFileClose},
        {&BtnSave, "BtnSave", "Save", "Save Shopping List", 4, 5, MainMenuFileSave},
        {&BtnPrint, "BtnPrint", "Print", "Print Current List", 8, 9, MainMenuFilePrint},
        {&BtnSendEMail, "BtnSendEMail", "Send EMail", "EMail Shopping List", 10, 11,
         MainMenuToolsSendEmail},
    };
    for (const ButtonDef& s : buttons) {
        auto* button = new QToolButton(tbMain);
        button->setObjectName(QString::fromLatin1(s.name));
        button->setText(tr(s.caption));
        button->setToolTip(tr(s.hint));
        button->setAccessibleName(tr(s.caption));
        button->setIcon(controls::toolIcon(s.picture, s.disabled));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setAutoRaise(true);
        button->setFixedSize(25, 25);
        button->setFocusPolicy(Qt::NoFocus);
        tbMain->addWidget(button);
        *s.button = button;
        // The menu entry and the tool button run the same handler.
        QObject::connect(button, &QToolButton::clicked, s.menuEntry, &QAction::trigger);
    }
    BtnSave->setEnabled(false);
}

void MainWindowUi::buildPages(QMainWindow& window, model::Document& document) {
    pcFoodMain = new controls::PageControl(&window);
    pcFoodMain->setObjectName(QStringLiteral("pcFoodMain"));
    for (int i = 0; i < model::CategoryCount; ++i)
        pages[static_cast<std::size_t>(i)] = buildCategoryPage(i, window, document);
    buildNotesPage();
    window.setCentralWidget(pcFoodMain);
}

MainWindowUi::CategoryPage MainWindowUi::buildCategoryPage(int category, QMainWindow& window,
                                                           model::Document& document) {
    const model::CategoryNames& names = model::Categories[static_cast<std::size_t>(category)];
    CategoryPage p;
    p.sheet = new controls::TabSheet(latin(names.designedName), pcFoodMain);
    p.sheet->setObjectName(latin(names.page));
    pcFoodMain->addSheet(p.sheet);
    buildPageFields(p, category);
    buildPageList(p, category, document);

    // Lists first on most pages; the top panel's fields first on Cans to Baby.
    if (category >= 5 && category <= 8) {
        QWidget::setTabOrder(p.nameField, p.quantityField);
        QWidget::setTabOrder(p.quantityField, p.addButton);
        QWidget::setTabOrder(p.addButton, p.list);
    } else {
        QWidget::setTabOrder(p.list, p.nameField);
        QWidget::setTabOrder(p.nameField, p.quantityField);
        QWidget::setTabOrder(p.quantityField, p.addButton);
    }
    // Enter anywhere on the page presses its add button, the page's default button.
    for (QObject* o :
         {static_cast<QObject*>(p.nameField), static_cast<QObject*>(p.quantityField->editor()),
          static_cast<QObject*>(p.list)})
        o->installEventFilter(&window);
    return p;
}

// The top panel: name field, quantity field and the add button.
void MainWindowUi::buildPageFields(CategoryPage& p, int category) {
    const model::CategoryNames& names = model::Categories[static_cast<std::size_t>(category)];
    auto* layout = new QVBoxLayout(p.sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* top = new QWidget(p.sheet);
    top->setFixedHeight(29);
    p.nameField = new QLineEdit(top);
    p.nameField->setObjectName(latin(names.nameField));
    p.nameField->setGeometry(5, 4, 220, 24);
    p.nameField->setAccessibleName(tr("Item name"));
    p.quantityField = new controls::SpinEdit(top);
    p.quantityField->setObjectName(latin(names.quantityField));
    p.quantityField->setGeometry(232, 4, 47, 24);
    p.quantityField->setAccessibleName(tr("Quantity"));
    p.addButton = new QPushButton(tr("Add to list"), top);
    p.addButton->setObjectName(latin(names.addButton));
    p.addButton->setGeometry(category <= 3 ? 312 : 320, 2, 75, 25);
    p.addButton->setDefault(true);
    p.addButton->setAttribute(Qt::WA_Hover);
    layout->addWidget(top);
}

// The column header over the check list, and the list showing the document's list.
void MainWindowUi::buildPageList(CategoryPage& p, int category, model::Document& document) {
    const model::CategoryNames& names = model::Categories[static_cast<std::size_t>(category)];
    auto* headerPanel = new controls::StatusBorderPanel(p.sheet);
    headerPanel->setFixedHeight(19);
    p.header = new controls::HeaderControl(headerPanel);
    p.header->setObjectName(latin(names.header));
    p.header->setGeometry(1, 1, 703, 17);
    p.header->setSections({{tr("Item"), 300}, {tr("Quantity"), 100}});

    p.list = new controls::CheckListBox(p.sheet);
    p.list->setObjectName(latin(names.list));
    p.list->setAccessibleName(latin(names.designedName));
    p.list->setTabStops(model::designedTabStops(category));
    if (category == 0)
        p.list->setColumns(2);
    p.adapter = new CategoryListModel(document.list(category), p.list);
    p.adapter->attach(p.list);

    auto* layout = static_cast<QVBoxLayout*>(p.sheet->layout());
    layout->addWidget(headerPanel);
    layout->addWidget(p.list, 1);
}

void MainWindowUi::buildNotesPage() {
    tsNotes = new controls::TabSheet(tr("Notes"), pcFoodMain);
    tsNotes->setObjectName(QStringLiteral("tsNotes"));
    pcFoodMain->addSheet(tsNotes);
    auto* label =
        new controls::AutoSizeLabel(tr("Add extra notes to list here: (Ex: \"Don't forget to "
                                       "gas up the car !)"),
                                    tsNotes);
    label->setObjectName(QStringLiteral("Label1"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->move(32, 16);
    mmoNotes = new controls::NotesMemo(tsNotes);
    mmoNotes->setObjectName(QStringLiteral("mmoNotes"));
    mmoNotes->setAccessibleName(tr("Notes"));
    mmoNotes->setGeometry(32, 40, 481, 121);
    mmoNotes->setMaxLength(static_cast<int>(model::Document::NotesLimit));
    label->setBuddy(mmoNotes);
}

void MainWindowUi::buildStatusBar(QMainWindow& window) {
    auto* status = new QStatusBar(&window);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setFixedHeight(19);
    status->setSizeGripEnabled(true);
    spFile = new QLabel(status);
    spFile->setObjectName(QStringLiteral("spFile"));
    // The pane reads its text, the file's path; what the pane is for is its description.
    spFile->setAccessibleDescription(tr("File"));
    status->addWidget(spFile);
    window.setStatusBar(status);
}

void MainWindowUi::buildPopupMenu() {
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
    // Shown in the menu; the key itself deletes only from a category list (the window's
    // key filter), so that Delete still edits text in the name, quantity and notes fields.
    mnuPFoodDelete->setShortcut(QKeySequence(Qt::Key_Delete));
    mnuPFoodDelete->setShortcutContext(Qt::WidgetShortcut);
    // A right-click or the menu key anywhere in the page area, except in the text fields,
    // which keep their own menus.
    pcFoodMain->setContextMenuPolicy(Qt::CustomContextMenu);
}
