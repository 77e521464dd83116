#pragma once

#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QHelpEngine;
struct QHelpLink;
class QLineEdit;
class QTabWidget;

// The words of what the reader typed into the search field, as the full-text index knows
// them: the index keeps words without punctuation, so "Defaults.slf" looks for "Defaults slf".
// Quotes (phrases) and asterisks (wildcards) are kept.
QString helpSearchWords(const QString& typed);

// Shows pages of a help file: qthelp:// addresses come from the help engine; links to
// the web or to mail go to the shell.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(QHelpEngine* engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void follow(const QUrl& link);

    QHelpEngine* engine_;
};

// The help topics window: contents, index and full-text search beside the page shown.
class HelpTopicsWindow : public QWidget {
    Q_OBJECT
public:
    // The window for a help file, or nullptr with the reason in error when the file
    // cannot be read as help.
    static HelpTopicsWindow* create(const QString& helpFile, QWidget* owner, QString& error);
    ~HelpTopicsWindow() override;

    const QString& helpFile() const { return helpFile_; }
    QHelpEngine* engine() const { return engine_; }
    HelpBrowser* browser() const { return browser_; }
    QTabWidget* tabs() const { return tabs_; }
    QLineEdit* indexFilter() const { return indexFilter_; }
    // True once the full-text index has been built and searches find everything.
    bool searchReady() const { return searchReady_; }

    void showPage(const QUrl& url);
    void showHome();

private:
    HelpTopicsWindow(const QString& helpFile, QWidget* owner);
    bool load(QString& error);
    void build();
    QWidget* buildIndexTab();
    QWidget* buildSearchTab();
    void showDocuments(const QList<QHelpLink>& documents);

    QString helpFile_;
    // The engine's collection and search index are scratch data for this run only.
    QTemporaryDir scratch_;
    QHelpEngine* engine_ = nullptr;
    HelpBrowser* browser_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QUrl home_;
    bool searchReady_ = false;
};
