#include "app/HelpViewer.h"
#include "app/HelpWindow.h"
#include "app/Main.h"
#include "app/ModalSeam.h"
#include "tests/support/FakeShell.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResult>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class HelpContents : public testing::Test {
protected:
    void TearDown() override {
        ModalSeam::clear();
        HelpViewer::application().command(HelpViewer::HelpQuit, 0, nullptr);
    }

    QString helpFile() const { return QString::fromStdString(dir.file("Help/PROVENDO.hlp")); }
    void installBuiltHelp() {
        QDir().mkpath(QString::fromStdString(dir.file("Help")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(PROVENDO_HELP_FILE), helpFile()));
    }
    void chooseContents() { window.findChild<QAction*>(QStringLiteral("Contents1"))->trigger(); }
    // Chooses Contents where no message is expected: one would take the queued answer.
    void chooseContentsSilently() {
        ModalSeam::pushButton(QMessageBox::Ok);
        chooseContents();
        ASSERT_TRUE(ModalSeam::hasPending()) << ModalSeam::history().back().text.toStdString();
        ModalSeam::clear();
    }
    // Answers the viewer's message box and returns its text.
    QString answeredMessage() {
        const auto& asked = ModalSeam::history();
        return asked.empty() ? QString() : asked.back().text;
    }

    TempAppDir dir;
    TfrmMain window;
};

} // namespace

TEST_F(HelpContents, opensTheTopicsWindowOnTheBuiltHelpWithContentsIndexAndSearch) {
    installBuiltHelp();
    chooseContentsSilently();
    EXPECT_EQ(HelpViewer::application().helpFile(), helpFile());
    HelpTopicsWindow* topics = HelpViewer::application().topicsWindow();
    ASSERT_NE(topics, nullptr);
    EXPECT_TRUE(topics->isVisible());
    EXPECT_EQ(topics->parentWidget(), &window) << "closes with the main window";
    EXPECT_EQ(topics->tabs()->count(), 3);
    EXPECT_TRUE(topics->browser()->toPlainText().contains("Welcome to Provendo"));

    QHelpContentModel* contents = topics->engine()->contentModel();
    EXPECT_TRUE(QTest::qWaitFor([&] { return contents->rowCount() > 0; }, 10000));
    const QModelIndex top = contents->index(0, 0);
    EXPECT_EQ(contents->data(top, Qt::DisplayRole).toString(), "Welcome to Provendo");
    EXPECT_GE(contents->rowCount(top), 9);

    QHelpIndexModel* index = topics->engine()->indexModel();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return index->stringList().contains("Defaults.slf"); }, 10000));
    const auto links = topics->engine()->documentsForKeyword(QStringLiteral("Defaults.slf"));
    ASSERT_EQ(links.size(), 1);
    topics->showPage(links.first().url);
    EXPECT_TRUE(topics->browser()->toPlainText().contains("category names file"));

    QHelpSearchEngine* search = topics->engine()->searchEngine();
    ASSERT_TRUE(QTest::qWaitFor([&] { return topics->searchReady(); }, 20000));
    // Typed as the reader would, punctuation included, through the query field.
    auto* query = search->queryWidget();
    const auto firstHitFor = [&](const QString& typed) {
        QSignalSpy searched(search, &QHelpSearchEngine::searchingFinished);
        query->setSearchInput(typed);
        emit query->search();
        if (!searched.wait(20000) || search->searchResultCount() == 0)
            return QString();
        return search->searchResults(0, 1).first().url().fileName();
    };
    EXPECT_EQ(firstHitFor(QStringLiteral("attachment")), "email.html");
    EXPECT_EQ(firstHitFor(QStringLiteral("xdg-email")), "email.html");
    EXPECT_FALSE(firstHitFor(QStringLiteral("Defaults.slf")).isEmpty());
}

TEST_F(HelpContents, theContentsPaneShowsEveryTopicTitleWhole) {
    installBuiltHelp();
    chooseContentsSilently();
    HelpTopicsWindow* topics = HelpViewer::application().topicsWindow();
    ASSERT_NE(topics, nullptr);
    QHelpContentModel* model = topics->engine()->contentModel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount() > 0; }, 10000));
    QHelpContentWidget* pane = topics->engine()->contentWidget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(topics));
    pane->expandAll();
    QCoreApplication::processEvents();
    int titles = 0;
    std::function<void(const QModelIndex&)> visit = [&](const QModelIndex& parent) {
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            const int right =
                pane->visualRect(index).left() + pane->sizeHintForIndex(index).width();
            EXPECT_LE(right, pane->viewport()->width())
                << model->data(index, Qt::DisplayRole).toString().toStdString();
            ++titles;
            visit(index);
        }
    };
    visit(QModelIndex());
    EXPECT_GE(titles, 10);
}

TEST(HelpSearchWords, keepsWordsPhrasesAndWildcardsAndDropsPunctuation) {
    EXPECT_EQ(helpSearchWords(QStringLiteral("Defaults.slf")), "Defaults slf");
    EXPECT_EQ(helpSearchWords(QStringLiteral("  xdg-email, \"Save As\" print* ")),
              "xdg email \"Save As\" print*");
    EXPECT_EQ(helpSearchWords(QStringLiteral("\u00E9t\u00E9 ?!")), "\u00E9t\u00E9");
    EXPECT_EQ(helpSearchWords(QStringLiteral("...")), "");
}

TEST_F(HelpContents, choosingContentsAgainReusesTheWindow) {
    installBuiltHelp();
    chooseContentsSilently();
    HelpTopicsWindow* first = HelpViewer::application().topicsWindow();
    first->hide();
    chooseContentsSilently();
    EXPECT_EQ(HelpViewer::application().topicsWindow(), first);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(HelpContents, aMissingHelpFileIsReportedClearlyAndOpensNothing) {
    ModalSeam::pushButton(QMessageBox::Ok);
    chooseContents();
    EXPECT_FALSE(ModalSeam::hasPending()) << "the viewer says why";
    const QString text = answeredMessage();
    EXPECT_TRUE(text.startsWith("Cannot find the help file")) << text.toStdString();
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(helpFile()))) << text.toStdString();
    EXPECT_EQ(ModalSeam::history().back().icon, QMessageBox::Warning);
    EXPECT_EQ(HelpViewer::application().topicsWindow(), nullptr);
    EXPECT_EQ(HelpViewer::application().helpFile(), helpFile()) << "the setting stays";
}

TEST_F(HelpContents, aFileThatIsNotHelpIsReportedAsUnreadable) {
    QDir().mkpath(QString::fromStdString(dir.file("Help")));
    writeBytes(dir.file("Help/PROVENDO.hlp"), "this is not a help file\r\n");
    ModalSeam::pushButton(QMessageBox::Ok);
    chooseContents();
    EXPECT_FALSE(ModalSeam::hasPending());
    EXPECT_TRUE(answeredMessage().contains("cannot be read")) << answeredMessage().toStdString();
    EXPECT_EQ(HelpViewer::application().topicsWindow(), nullptr);
}

TEST_F(HelpContents, webAndMailLinksInAPageGoToTheShellAndPageLinksStayInside) {
    installBuiltHelp();
    FakeShell shell;
    chooseContentsSilently();
    HelpBrowser* page = HelpViewer::application().topicsWindow()->browser();
    emit page->anchorClicked(QUrl(QStringLiteral("files.html")));
    EXPECT_TRUE(page->source().toString().endsWith("/doc/files.html"));
    EXPECT_TRUE(page->toPlainText().contains("What a list file holds"));
    emit page->anchorClicked(QUrl(QStringLiteral("mailto:someone@x.example")));
    EXPECT_EQ(shell.opened, QStringList{"mailto:someone@x.example"});
    EXPECT_TRUE(page->source().toString().endsWith("/doc/files.html"));
}
