#pragma once

#include "report/ReportLayout.h"

#include <QAbstractScrollArea>
#include <QDialog>

class QLabel;
class QToolButton;

namespace report {

// The pages one under another at 100 %. Only the pages in view are painted, so the
// first page shows at once however long the report is.
class PreviewArea : public QAbstractScrollArea {
    Q_OBJECT
public:
    PreviewArea(const Layout& layout, QWidget* parent = nullptr);

    int pageCount() const { return static_cast<int>(layout_.pages.size()); }
    // The page at the top of the view, counted from 0.
    int currentPage() const;
    void showPage(int page);

signals:
    void currentPageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSize pagePixels() const;
    int pageStride() const;
    void updateScrollBars();

    const Layout& layout_;
};

// "Report Preview": modal, maximised; page buttons, Print and Close.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(const QString& caption, const Layout& layout, bool canPrint,
                  QWidget* parent = nullptr);

    PreviewArea* area() const { return area_; }

signals:
    // Print from the preview, with the page shown (from 1) as the selection.
    void printRequested(int currentPage);

private:
    void updatePageLabel(int page);

    PreviewArea* area_ = nullptr;
    QLabel* lblPage = nullptr;
};

} // namespace report
