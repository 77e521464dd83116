#include "app/Main.h"

#include "app/CategoryListModel.h"
#include "app/ErrorBox.h"
#include "app/FileCommandsDialogs.h"
#include "app/Fonts.h"
#include "app/GlobalData.h"
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
#include "files/FileCommands.h"
#include "model/TabStops.h"
#include "platform/TextCodec.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
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

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Provendo V1.1"));
    setFont(Fonts::windowFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);

    // Pop-up and drop-down menus, the fields' own included, speak the menu bar's font.
    new controls::MenuFont(font(), this);
    new controls::ContextMenuKey(this);

    BalloonHints_ = new controls::BalloonHints(this);
    BalloonHints_->setObjectName(QStringLiteral("BalloonHints"));

    buildMenus();
    buildToolBar();
    buildPages();

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setFixedHeight(19);
    status->setSizeGripEnabled(true);
    spFile = new QLabel(status);
    spFile->setObjectName(QStringLiteral("spFile"));
    // The pane reads its text, the file's path; what the pane is for is its description.
    spFile->setAccessibleDescription(tr("File"));
    status->addWidget(spFile);
    setStatusBar(status);

    document_.onModifiedChanged([this](bool modified) {
        MainMenuFileSave->setEnabled(modified);
        BtnSave->setEnabled(modified);
    });

    wireEditCommands();
    wireFileCommands();
    wirePrintCommands();

    // Designed placement; the settings store restores the last one.
    move(217, 145);
    resize(709, 567);

    wireMailCommands();
    // Help menu: contents, home page and about box (app/MainHelp.cpp).
    wireHelpCommands();
    // Settings store: the containers restore the last state before FormCreate.
    createSettings();

    try {
        FormCreate();
    } catch (...) {
        ErrorBox::showCurrent(this);
    }
}

TfrmMain::~TfrmMain() {
    // Settings store: FormHide, the window's values, then the application values.
    endSettings();
    for (CategoryPage& p : pages_)
        p.list->setModel(nullptr);
}

const TfrmMain::CategoryPage& TfrmMain::page(int category) const {
    return pages_.at(static_cast<std::size_t>(category));
}

void TfrmMain::buildMenus() {
    QMenuBar* bar = menuBar();
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
    connect(Exit1, &QAction::triggered, this, &TfrmMain::Exit1Click);

    QMenu* tools = bar->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("MainMenuTools"));
    MainMenuToolsSendEmail =
        addMenuEntry(tools, "MainMenuToolsSendEmail", tr("Email shopping list"));
    addMenuSeparator(tools, "N5");
    MainMenuToolsBalloons = addMenuEntry(tools, "MainMenuToolsBalloons", tr("Balloon Hints"));
    MainMenuToolsBalloons->setCheckable(true);
    MainMenuToolsBalloons->setChecked(true);
    connect(MainMenuToolsBalloons, &QAction::triggered, this,
            &TfrmMain::MainMenuToolsBalloonsClick);

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    Contents1 = addMenuEntry(help, "Contents1", tr("&Contents"));
    addMenuEntry(help, "SearchforHelpOn1", tr("&Search for Help On..."))->setVisible(false);
    addMenuEntry(help, "HowtoUseHelp1", tr("&How to Use Help"))->setVisible(false);
    MainMenuHelpHomePage = addMenuEntry(help, "MainMenuHelpHomePage", tr("&Home Page"));
    About1 = addMenuEntry(help, "About1", tr("&About..."));
}

void TfrmMain::buildToolBar() {
    tbMain = new controls::GroovedToolBar(this);
    tbMain->setObjectName(QStringLiteral("tbMain"));
    tbMain->setWindowTitle(tr("Tool bar"));
    tbMain->setMovable(false);
    tbMain->setFloatable(false);
    tbMain->setFixedHeight(29);
    tbMain->setIconSize(QSize(16, 16));
    tbMain->setContentsMargins(0, 0, 0, 0);
    tbMain->layout()->setSpacing(0);
    tbMain->layout()->setContentsMargins(4, 2, 0, 2);
    addToolBar(Qt::TopToolBarArea, tbMain);

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
        connect(button, &QToolButton::clicked, s.menuEntry, &QAction::trigger);
    }
    BtnSave->setEnabled(false);
}

void TfrmMain::buildPages() {
    pcFoodMain = new controls::PageControl(this);
    pcFoodMain->setObjectName(QStringLiteral("pcFoodMain"));
    for (int i = 0; i < model::CategoryCount; ++i)
        pages_[static_cast<std::size_t>(i)] = buildCategoryPage(i);
    buildNotesPage();
    setCentralWidget(pcFoodMain);
}

TfrmMain::CategoryPage TfrmMain::buildCategoryPage(int category) {
    const model::CategoryNames& names = model::Categories[static_cast<std::size_t>(category)];
    CategoryPage p;
    p.sheet = new controls::TabSheet(latin(names.designedName), pcFoodMain);
    p.sheet->setObjectName(latin(names.page));
    pcFoodMain->addSheet(p.sheet);

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
    p.adapter = new CategoryListModel(document_.list(category), p.list);
    p.adapter->attach(p.list);

    layout->addWidget(top);
    layout->addWidget(headerPanel);
    layout->addWidget(p.list, 1);

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
        o->installEventFilter(this);
    return p;
}

void TfrmMain::buildNotesPage() {
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
    connect(mmoNotes, &QPlainTextEdit::textChanged, this,
            [this] { document_.setNotes(platform::fromQString(mmoNotes->crlfText())); });
}

int TfrmMain::activeCategory() const {
    const int index = pcFoodMain->currentIndex();
    return index >= 0 && index < model::CategoryCount ? index : -1;
}

void TfrmMain::setModified() {
    document_.setModified();
}

void TfrmMain::clearModified() {
    document_.clearModified();
}

void TfrmMain::UpdateFromHeader(int category) {
    const CategoryPage& p = page(category);
    p.list->setTabStops(model::recomputeTabStops(p.list->tabStops(), p.header->sectionWidths(),
                                                 p.list->averageCharWidth()));
}

void TfrmMain::FormCreate() {
    // Settings step: the stored values again, then the balloon style from the flag.
    AppSettingsPostRestore();
    BalloonHints_->setShowBalloon(GlobalData::gBalloonHints);
    LoadCategoryNames();
}

void TfrmMain::FormHide() {
    // Settings step: the flag is written with the application values at the end.
    storeBalloonHintsSetting();
    SaveCategoryNames();
}

void TfrmMain::Exit1Click() {
    close();
}

void TfrmMain::MainMenuToolsBalloonsClick() {
    GlobalData::gBalloonHints = MainMenuToolsBalloons->isChecked();
    BalloonHints_->setShowBalloon(GlobalData::gBalloonHints);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // Refused until the query allows it, so that an error inside it keeps the window open.
    event->ignore();
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose)
        event->accept();
}

void TfrmMain::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int category = activeCategory();
        if (category >= 0 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            page(category).addButton->click();
            return true;
        }
        // The Delete key is the pop-up menu's shortcut only inside a category list.
        if (category >= 0 && key == Qt::Key_Delete && watched == page(category).list) {
            mnuPFoodPopup();
            if (mnuPFoodDelete->isEnabled())
                mnuPFoodDelete->trigger();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
