#include "app/HelpAbout.h"

#include "app/Fonts.h"
#include "app/Maker.h"
#include "controls/LinkLabel.h"
#include "controls/MemoryGauge.h"
#include "controls/ProgramIcon.h"
#include "platform/MemoryStatus.h"
#include "platform/ShellOpen.h"
#include "platform/TextCodec.h"
#include "platform/VersionRecord.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

// A two-pixel line that fades from the shadow colour into the window background.
class GradientSeparator : public QWidget {
public:
    explicit GradientSeparator(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient fade(0, 0, width(), 0);
        fade.setColorAt(0, palette().color(QPalette::Dark));
        fade.setColorAt(1, palette().color(QPalette::Window));
        p.fillRect(0, 0, width(), 1, fade);
        QLinearGradient light(0, 0, width(), 0);
        light.setColorAt(0, palette().color(QPalette::Light));
        light.setColorAt(1, palette().color(QPalette::Window));
        p.fillRect(0, 1, width(), 1, light);
    }
};

// The exit picture: an arrow leaving through an open door.
// Drawn at each size a scaled screen may ask for, so that none is an enlargement.
QIcon exitPicture() {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        p.setPen(QPen(QColor(90, 60, 30), 1));
        p.setBrush(QColor(190, 140, 80));
        p.drawRect(QRectF(2.5, 1.5, 7, 13));
        p.setPen(QPen(QColor(0, 110, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(7, 8), QPointF(14, 8));
        p.drawPolyline(QPolygonF({QPointF(11.5, 5), QPointF(14.5, 8), QPointF(11.5, 11)}));
        p.end();
        icon.addPixmap(picture);
    }
    return icon;
}

void openThroughShell(const QString& target, platform::ShellOpen::Done done) {
    platform::shell().open(target, std::move(done));
}

} // namespace

TVersionInfo::TVersionInfo(QObject* owner)
    : QObject(owner), values_(platform::versionValues(platform::ownVersionRecord())) {
    setObjectName(QStringLiteral("vi"));
}

TVersionInfo::TVersionInfo(QObject* owner, const std::string& programFile)
    : QObject(owner), values_(platform::versionValues(platform::readVersionRecord(programFile))) {
    setObjectName(QStringLiteral("vi"));
}

QString TVersionInfo::value(std::size_t key) const {
    return platform::toQString(values_.at(key));
}

QString TVersionInfo::fileVersion() const {
    return value(platform::VersionKeyFileVersion);
}

QString TVersionInfo::legalCopyright() const {
    return value(platform::VersionKeyLegalCopyright);
}

TfrmHelpAbout::TfrmHelpAbout(QWidget* owner) : QDialog(owner) {
    vi = new TVersionInfo(this);
    build();
}

TfrmHelpAbout::TfrmHelpAbout(QWidget* owner, const std::string& programFile) : QDialog(owner) {
    vi = new TVersionInfo(this, programFile);
    build();
}

QLabel* TfrmHelpAbout::label(const char* name, const QString& text, int left, int top) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(name));
    l->move(left, top);
    l->adjustSize();
    return l;
}

controls::LinkLabel* TfrmHelpAbout::link(const char* name, const QString& caption,
                                         const QString& target, int top) {
    auto* l = new controls::LinkLabel(caption, target, this);
    l->setObjectName(QString::fromLatin1(name));
    l->setOpener(openThroughShell);
    l->move(128, top);
    l->adjustSize();
    return l;
}

void TfrmHelpAbout::build() {
    setObjectName(QStringLiteral("frmHelpAbout"));
    setWindowTitle(tr("About Provendo"));
    // No minimise, maximise or close box: the Exit button (or Esc) ends the box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(Fonts::windowFont());
    setFixedSize(424, 299);
    buildTitleAndVersion();
    buildLinksAndGauge();
    buildExitButton();
    centreOnOwnersScreen();
}

void TfrmHelpAbout::buildTitleAndVersion() {
    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 16, 32, 32);
    // In device pixels of this screen, so that it stays sharp when the screen is scaled.
    Image1->setPixmap(controls::programIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
    Image1->setAccessibleName(tr("Provendo icon"));

    QLabel* title = label("Label1", QStringLiteral("Provendo"), 64, 16);
    QFont big = font();
    big.setPixelSize(21);
    title->setFont(big);
    title->adjustSize();

    // Each value reads its own text and is labelled by its caption.
    viVersion = label("viVersion", vi->fileVersion(), 96, 72);
    viVersion->setFixedWidth(129);
    label("Label5", tr("Version:"), 24, 74)->setBuddy(viVersion);
    viCopywrite = label("viCopywrite", vi->legalCopyright(), 96, 96);
    viCopywrite->setFixedWidth(305);
    label("Label6", tr("Copyright:"), 24, 98)->setBuddy(viCopywrite);

    auto* Separator1 = new GradientSeparator(this);
    Separator1->setObjectName(QStringLiteral("Separator1"));
    Separator1->setGeometry(16, 136, 393, 2);
}

void TfrmHelpAbout::buildLinksAndGauge() {
    label("Label2", tr("Website:"), 32, 160)
        ->setBuddy(link("urlWebsite", Maker::website(), Maker::website(), 160));
    label("Label3", tr("Support:"), 32, 184)
        ->setBuddy(link("URLLabel2", Maker::supportMail(),
                        QStringLiteral("mailto:") + Maker::supportMail(), 184));
    label("Label4", tr("Info:"), 32, 208)
        ->setBuddy(link("URLLabel1", Maker::infoMail(),
                        QStringLiteral("mailto:") + Maker::infoMail(), 208));

    resMemory = new controls::MemoryGauge(this);
    label("Label7", tr("Memory Available:"), 32, 232)->setBuddy(resMemory);
    resMemory->setObjectName(QStringLiteral("resMemory"));
    resMemory->setGeometry(128, 230, 153, resMemory->sizeHint().height());
    resMemory->setSampler(
        [] { return platform::percentAvailable(platform::currentMemoryStatus()); });
}

void TfrmHelpAbout::buildExitButton() {
    BitBtn1 = new QPushButton(exitPicture(), tr("Exit"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(328, 264, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(1); });
    BitBtn1->setFocus();
}

// Centred on the screen the owner is on.
void TfrmHelpAbout::centreOnOwnersScreen() {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect box(QPoint(), size());
        box.moveCenter(screen->availableGeometry().center());
        move(box.topLeft());
    }
}
