#include "controls/PageControl.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QTabBar>

namespace controls {

namespace {

const QColor PageColour(247, 246, 245);
const QColor BorderColour(145, 155, 156);
const QColor HighlightColour(255, 199, 60);
constexpr int Slant = 6;

class SlantedTabBar : public QTabBar {
public:
    explicit SlantedTabBar(QWidget* parent) : QTabBar(parent) {
        setMouseTracking(true);
        setDrawBase(false);
        setExpanding(false);
        setUsesScrollButtons(true);
        setElideMode(Qt::ElideNone);
    }

protected:
    QSize tabSizeHint(int index) const override {
        return QSize(textWidth(tabText(index)) + 2 * Slant + 16, PageControl::TabHeight);
    }

    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            textWidths_.clear();
        QTabBar::changeEvent(event);
    }

    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    void mouseMoveEvent(QMouseEvent* event) override {
        QTabBar::mouseMoveEvent(event);
        update();
    }

    void leaveEvent(QEvent* event) override {
        QTabBar::leaveEvent(event);
        update();
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, true);
        const QPoint mouse = mapFromGlobal(QCursor::pos());
        // Inactive tabs first so that the active one overlaps its neighbours.
        for (int pass = 0; pass < 2; ++pass) {
            for (int i = 0; i < count(); ++i) {
                const bool active = i == currentIndex();
                if (active != (pass == 1))
                    continue;
                const QRect r = tabRect(i).adjusted(0, active ? 0 : 2, 0, 0);
                QPainterPath shape;
                shape.moveTo(r.left() - Slant / 2, r.bottom() + 1);
                shape.lineTo(r.left() + Slant, r.top());
                shape.lineTo(r.right() - Slant, r.top());
                shape.lineTo(r.right() + Slant / 2 + 1, r.bottom() + 1);
                const bool hot = !active && r.contains(mouse) && underMouse();
                QColor fill = active ? PageColour : PageColour.darker(hot ? 103 : 108);
                p.fillPath(shape, fill);
                p.setPen(BorderColour);
                p.drawPath(shape);
                if (active) {
                    p.fillRect(QRect(r.left() + Slant, r.top() + 1, r.width() - 2 * Slant, 3),
                               HighlightColour);
                }
                p.setPen(palette().color(isTabEnabled(i) ? QPalette::WindowText : QPalette::Mid));
                const QRect textRect = r.adjusted(0, 2, 0, 0);
                p.drawText(textRect, Qt::AlignCenter, tabText(i));
                if (active && hasFocus())
                    drawFocus(p, textRect, tabText(i));
            }
        }
        p.setPen(BorderColour);
        p.drawLine(0, height() - 1, width(), height() - 1);
    }

private:
    void drawFocus(QPainter& p, const QRect& textRect, const QString& text) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = p.fontMetrics()
                         .boundingRect(textRect, Qt::AlignCenter, text)
                         .adjusted(-3, 0, 3, 0)
                         .intersected(textRect.adjusted(Slant, 0, -Slant, -1));
        p.setRenderHint(QPainter::Antialiasing, false);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        p.setRenderHint(QPainter::Antialiasing, true);
    }

    // The tab bar asks for every tab's size on each insertion and caption change;
    // measuring a caption shapes its text, so each caption is measured once per font.
    int textWidth(const QString& text) const {
        const auto known = textWidths_.constFind(text);
        if (known != textWidths_.cend())
            return *known;
        const int width = fontMetrics().horizontalAdvance(text);
        if (textWidths_.size() > 64) // captions renamed many times over
            textWidths_.clear();
        textWidths_.insert(text, width);
        return width;
    }

    mutable QHash<QString, int> textWidths_;
};

// A tab never shows more than the screens are wide, at a pixel or more a character, so
// a huge caption is measured and drawn only as far as it can be seen.
QString visibleCaption(const QString& caption) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int widest = screen ? std::max(screen->virtualSize().width(), 1) : 8192;
    return caption.size() > widest ? caption.left(widest) : caption;
}

} // namespace

TabSheet::TabSheet(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, PageColour);
    setPalette(pal);
}

void TabSheet::setCaption(const QString& caption) {
    caption_ = caption;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            const int index = tabs->indexOf(this);
            if (index >= 0)
                tabs->setTabText(index, visibleCaption(caption));
            break;
        }
    }
}

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    auto* bar = new SlantedTabBar(this);
    bar->setAccessibleName(tr("Pages"));
    setTabBar(bar);
    setDocumentMode(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, PageColour);
    setPalette(pal);
}

void PageControl::addSheet(TabSheet* sheet) {
    addTab(sheet, visibleCaption(sheet->caption()));
}

TabSheet* PageControl::sheet(int index) const {
    return qobject_cast<TabSheet*>(widget(index));
}

void PageControl::setActivePage(QWidget* page) {
    if (page && indexOf(page) >= 0)
        setCurrentWidget(page);
}

} // namespace controls
