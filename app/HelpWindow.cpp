#include "app/HelpWindow.h"

#include "controls/ProgramIcon.h"
#include "platform/ShellOpen.h"

#include <QAction>
#include <QCursor>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

QString helpSearchWords(const QString& typed) {
    QString words;
    for (const QChar c : typed)
        words += c.isLetterOrNumber() || c == u'"' || c == u'*' ? c : u' ';
    return words.simplified();
}

HelpBrowser::HelpBrowser(QHelpEngine* engine, QWidget* parent)
    : QTextBrowser(parent), engine_(engine) {
    setObjectName(QStringLiteral("helpPage"));
    setAccessibleName(tr("Help page"));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::follow);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qthelp"))
        return engine_->fileData(name);
    return QTextBrowser::loadResource(type, name);
}

void HelpBrowser::follow(const QUrl& link) {
    const QUrl target = source().resolved(link);
    if (target.scheme() == QLatin1String("qthelp"))
        setSource(target);
    else
        platform::shell().open(target.toString(), {});
}

HelpTopicsWindow* HelpTopicsWindow::create(const QString& helpFile, QWidget* owner,
                                           QString& error) {
    auto* window = new HelpTopicsWindow(helpFile, owner);
    if (window->load(error))
        return window;
    delete window;
    return nullptr;
}

namespace {

// The widest a topic title needs, its indentation included, over the whole tree.
int titlesWidth(const QTreeView* tree, const QModelIndex& parent, int depth) {
    int widest = 0;
    const QAbstractItemModel* model = tree->model();
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        const int indent = tree->indentation() * (depth + (tree->rootIsDecorated() ? 1 : 0));
        widest = std::max({widest, indent + tree->sizeHintForIndex(index).width(),
                           titlesWidth(tree, index, depth + 1)});
    }
    return widest;
}

// The pane is never narrower than its longest topic title, nested ones included, so
// that every title reads whole.
void fitTitles(QTreeView* tree) {
    tree->setMinimumWidth(titlesWidth(tree, QModelIndex(), 0) + 2 * tree->frameWidth() +
                          tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

} // namespace

HelpTopicsWindow::HelpTopicsWindow(const QString& helpFile, QWidget* owner)
    : QWidget(owner, Qt::Window), helpFile_(helpFile) {
    setObjectName(QStringLiteral("frmHelpTopics"));
    setWindowTitle(tr("Provendo Help"));
    setWindowIcon(controls::programIcon());
    resize(860, 600);
}

HelpTopicsWindow::~HelpTopicsWindow() {
    // The engine, with its indexing thread, stops before its scratch folder is removed.
    delete engine_;
}

bool HelpTopicsWindow::load(QString& error) {
    if (!scratch_.isValid()) {
        error = tr("No temporary folder for the help index. %1").arg(scratch_.errorString());
        return false;
    }
    engine_ = new QHelpEngine(scratch_.filePath(QStringLiteral("provendo.qhc")), this);
    // The scratch collection is ours to write; the help file itself is only read.
    engine_->setReadOnly(false);
    const QString name = QHelpEngineCore::namespaceName(helpFile_);
    if (!engine_->setupData() || name.isEmpty() || !engine_->registerDocumentation(helpFile_)) {
        error = engine_->error().isEmpty() ? tr("It is not a help file.") : engine_->error();
        return false;
    }
    // Registering changed the collection: set up again so that the contents and index
    // models are filled from it.
    engine_->setupData();
    home_ = QUrl(QStringLiteral("qthelp://%1/doc/index.html").arg(name));
    build();
    engine_->searchEngine()->scheduleIndexDocumentation();
    showHome();
    return true;
}

void HelpTopicsWindow::build() {
    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("tbHelp"));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    tabs_ = new QTabWidget(splitter);
    tabs_->setObjectName(QStringLiteral("pcHelp"));
    browser_ = new HelpBrowser(engine_, splitter);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 600});

    QHelpContentWidget* contents = engine_->contentWidget();
    contents->setAccessibleName(tr("Contents"));
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpTopicsWindow::showPage);
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, contents, [contents] {
        contents->expandToDepth(0);
        fitTitles(contents);
    });
    tabs_->addTab(contents, tr("&Contents"));
    tabs_->addTab(buildIndexTab(), tr("&Index"));
    tabs_->addTab(buildSearchTab(), tr("&Search"));
    // Choosing the Index or Search tab puts the keyboard in its input field.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == 1)
            indexFilter_->setFocus();
        else if (tab == 2)
            engine_->searchEngine()->queryWidget()->setFocus();
    });

    QAction* back = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    QAction* forward =
        toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    QAction* home = toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Home"));
    home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    connect(home, &QAction::triggered, this, &HelpTopicsWindow::showHome);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter, 1);
}

QWidget* HelpTopicsWindow::buildIndexTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* prompt = new QLabel(tr("&Type the word you are looking for:"), page);
    indexFilter_ = new QLineEdit(page);
    indexFilter_->setObjectName(QStringLiteral("edtIndex"));
    indexFilter_->setClearButtonEnabled(true);
    prompt->setBuddy(indexFilter_);
    QHelpIndexWidget* index = engine_->indexWidget();
    index->setAccessibleName(tr("Index"));
    layout->addWidget(prompt);
    layout->addWidget(indexFilter_);
    layout->addWidget(index, 1);

    connect(indexFilter_, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document) { showPage(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, &HelpTopicsWindow::showDocuments);
    return page;
}

QWidget* HelpTopicsWindow::buildSearchTab() {
    QHelpSearchEngine* search = engine_->searchEngine();
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QHelpSearchQueryWidget* query = search->queryWidget();
    QHelpSearchResultWidget* results = search->resultWidget();
    layout->addWidget(query);
    layout->addWidget(results, 1);

    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(helpSearchWords(query->searchInput())); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpTopicsWindow::showPage);
    // Searching an index still being built would find too little.
    connect(search, &QHelpSearchEngine::indexingStarted, query,
            [query] { query->setEnabled(false); });
    connect(search, &QHelpSearchEngine::indexingFinished, query, [this, query] {
        query->setEnabled(true);
        searchReady_ = true;
    });
    return page;
}

void HelpTopicsWindow::showDocuments(const QList<QHelpLink>& documents) {
    // A keyword found on several pages: the reader picks one.
    QMenu choose(this);
    for (const QHelpLink& document : documents)
        choose.addAction(document.title, this, [this, url = document.url] { showPage(url); });
    choose.exec(QCursor::pos());
}

void HelpTopicsWindow::showPage(const QUrl& url) {
    browser_->setSource(url);
}

void HelpTopicsWindow::showHome() {
    if (!engine_->findFile(home_).isValid()) {
        const QList<QUrl> pages = engine_->files(QHelpEngineCore::namespaceName(helpFile_),
                                                 QString(), QStringLiteral("html"));
        if (!pages.isEmpty())
            home_ = pages.first();
    }
    showPage(home_);
}
