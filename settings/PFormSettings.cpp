#include "settings/PFormSettings.h"

#include "platform/TextCodec.h"
#include "settings/FlagGuard.h"
#include "settings/PAppSettings.h"
#include "settings/PlacementRules.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cctype>

namespace {

// Menu entries of the recently-used list and their separators, told apart by tag.
constexpr int kMRUTag = 46371;
constexpr int kMRUSeparatorTag = 46358;
// No MRU menu is longer than this, so no more entries are ever kept or looked at.
constexpr std::size_t kMRUMaxKept = 9;

bool mainWindowSaved = false;
// The first window that gets a form container is the program's main window.
QPointer<QWidget> mainWindow;

bool applicationMinimised() {
    bool any = false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() && !w->isMinimized())
            continue;
        if (!w->isMinimized())
            return false;
        any = true;
    }
    return any;
}

void minimiseApplication() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->showMinimized();
}

bool fileExists(const std::string& path) {
    return QFileInfo::exists(platform::toQString(path));
}

} // namespace

struct TPFormSettings::Placement {
    int left = -1, top = -1, width = -1, height = -1, state = -1;
    bool mainForm = false;
    std::string screenRes;
    bool mruStored = false;
    std::vector<std::string> mru;
};

TPFormSettings::TPFormSettings(QObject* owner) : TPSettings(owner) {
    auto* window = qobject_cast<QWidget*>(owner);
    if (!window || !window->isWindow())
        throw EPFormSettingsException("Parent must be a TCustomForm descendent");
    window_ = window;
    if (!mainWindow)
        mainWindow = window;
    window->installEventFilter(this);
    watching_ = true;

    const Qt::WindowFlags flags = window->windowFlags();
    const Qt::WindowType type = window->windowType();
    const bool fixedSize = window->minimumSize() == window->maximumSize();
    if (flags & Qt::FramelessWindowHint) {
        FormSaveOpt = 0;
        mruLength_ = 0;
    } else if (type == Qt::Dialog || type == Qt::Tool || fixedSize) {
        FormSaveOpt = pfsLeft | pfsTop;
        mruLength_ = 0;
    } else {
        const bool customised = flags & Qt::CustomizeWindowHint;
        const bool minMax = !customised || (flags & Qt::WindowMinMaxButtonsHint);
        FormSaveOpt = minMax ? pfsAll : pfsAll & ~pfsState;
    }
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] {
        if (AutoRestartApp)
            RequestRestart();
    });
}

TPFormSettings::~TPFormSettings() {
    clearMRUMenu();
    if (TPAppSettings::IsLive(app_)) {
        auto& linked = app_->linked_;
        linked.erase(std::remove(linked.begin(), linked.end(), this), linked.end());
    }
}

QWidget* TPFormSettings::Window() const {
    return window_;
}

QAction* TPFormSettings::MRUMenuItem() const {
    return mruItem_;
}

bool TPFormSettings::MainWindowSaved() {
    return mainWindowSaved;
}

bool TPFormSettings::isMainWindow() const {
    return window_ && window_ == mainWindow;
}

TPSetting* TPFormSettings::AddSetting(const std::string& name, const std::string& boundProperty,
                                      const std::string& relAppSetting, bool encrypted) {
    for (TPSetting* s : Settings())
        if (s->Name == name && s->BoundProperty == boundProperty &&
            s->RelAppSetting == relAppSetting && s->Encrypted == encrypted)
            return s;
    // Owned by the window, like the window's other components.
    auto* s = new TPSetting(window_);
    s->SetWindow(window_);
    s->Name = name;
    s->BoundProperty = boundProperty;
    s->RelAppSetting = relAppSetting;
    s->Encrypted = encrypted;
    addSetting(s);
    return s;
}

// ---- linking ----

TPAppSettings* TPFormSettings::AppSettingsCtrl() const {
    return TPAppSettings::IsLive(app_) ? app_.data() : nullptr;
}

void TPFormSettings::SetAppSettingsCtrl(TPAppSettings* settings) {
    if (TPAppSettings* old = AppSettingsCtrl()) {
        auto& linked = old->linked_;
        linked.erase(std::remove(linked.begin(), linked.end(), this), linked.end());
    }
    app_ = settings;
    if (!settings)
        return;
    TPSettings::SetCompanyName(settings->CompanyName());
    TPSettings::SetSoftwareName(settings->SoftwareName());
    TPSettings::SetSoftwareVersion(settings->SoftwareVersion());
    if (std::find(settings->linked_.begin(), settings->linked_.end(), this) ==
        settings->linked_.end())
        settings->linked_.push_back(this);
    TakeAppValues();
}

void TPFormSettings::TakeAppValues() {
    TPAppSettings* app = AppSettingsCtrl();
    if (!app)
        return;
    for (TPSetting* s : Settings()) {
        if (s->RelAppSetting.empty())
            continue;
        const TPSetting* source = app->FindSetting(s->RelAppSetting);
        s->AssignValue(source ? source->Value() : TPValue{});
    }
}

// ---- key path, save and restore ----

std::string TPFormSettings::FormKeyName() const {
    std::string name = window_ ? platform::fromQString(window_->objectName()) : std::string();
    if (OnSetFormKeyName)
        OnSetFormKeyName(const_cast<TPFormSettings*>(this), name);
    return name;
}

std::string TPFormSettings::RegistryKeyPath() const {
    return basePath() + FormKeyName();
}

TPFormSettings::Placement TPFormSettings::placementFromWindow() {
    Placement p;
    QWidget* w = window_;
    const QRect normal = normalFrameRect();
    p.left = normal.left();
    p.top = normal.top();
    p.width = normal.width();
    p.height = normal.height();
    p.mainForm = isMainWindow();
    minimisedAtSave_ = false;
    p.state = w->isMaximized() ? 2 : w->isMinimized() ? 1 : 0;
    if (p.mainForm && applicationMinimised()) {
        p.state = 1;
        minimisedAtSave_ = true;
    }
    const QSize screen = w->screen()->size();
    p.screenRes = std::to_string(screen.width()) + 'x' + std::to_string(screen.height());
    p.mru = mru_;
    if (static_cast<int>(p.mru.size()) > mruLength_)
        p.mru.resize(static_cast<std::size_t>(mruLength_));
    return p;
}

namespace {

bool plainState(const QWidget* w) {
    return !(w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

} // namespace

// The rectangle the window goes back to from minimised or maximised, as the frame's
// top-left corner and the client area's size.
QRect TPFormSettings::normalFrameRect() const {
    const QWidget* w = window_;
    if (plainState(w))
        return QRect(w->frameGeometry().topLeft(), w->size());
    const QRect normal = w->normalGeometry().isValid() ? w->normalGeometry() : w->geometry();
    if (restoredFrame_.isValid() && normal == restoredNormal_)
        return restoredFrame_;
    // The frame of a maximised or minimised window is not the one it has in the normal
    // state; only an offset measured in that state is right.
    const QPoint offset = frameOffsetKnown_ ? normalFrameOffset_ : QPoint();
    return QRect(normal.topLeft() - offset, normal.size());
}

void TPFormSettings::noteFrameOffset() {
    const QWidget* w = window_;
    if (!w || !w->isVisible() || !plainState(w))
        return;
    const QRect frame = w->frameGeometry();
    if (frame == w->geometry())
        return; // no frame known yet
    normalFrameOffset_ = w->geometry().topLeft() - frame.topLeft();
    frameOffsetKnown_ = true;
}

// The placement as temporary free-standing settings in the order they are kept.
std::vector<std::unique_ptr<TPSetting>> TPFormSettings::placementSettings(const Placement* from) {
    std::vector<std::unique_ptr<TPSetting>> out;
    auto add = [&](const char* name) -> TPSetting& {
        out.push_back(std::make_unique<TPSetting>());
        out.back()->Name = name;
        return *out.back();
    };
    // Restoring starts from values that are not there (pvkNone); saving from the window.
    const bool save = from != nullptr;
    const Placement p = save ? *from : Placement{};
    auto integer = [&](const char* name, int value) {
        TPSetting& s = add(name);
        if (save)
            s.SetAsInteger(value);
    };
    if (FormSaveOpt & pfsLeft)
        integer("Left", p.left);
    if (FormSaveOpt & pfsTop)
        integer("Top", p.top);
    if (FormSaveOpt & pfsWidth)
        integer("Width", p.width);
    if (FormSaveOpt & pfsHeight)
        integer("Height", p.height);
    if (FormSaveOpt & pfsState) {
        TPSetting& main = add("MainForm");
        if (save)
            main.SetAsBoolean(p.mainForm);
        integer("State", p.state);
    }
    if (FormSaveOpt != 0) {
        TPSetting& res = add("ScreenRes");
        if (save)
            res.SetAsString(p.screenRes);
    }
    if (mruLength_ > 0) {
        TPSetting& list = add("MRUList");
        if (save)
            list.SetAsStrings(p.mru);
    }
    return out;
}

void TPFormSettings::readPlacement(Placement& p,
                                   const std::vector<std::unique_ptr<TPSetting>>& values) {
    for (const auto& s : values) {
        const TPValueKind kind = s->Value().kind;
        if (kind == pvkNone)
            continue;
        // A value of a kind that does not convert (a date or a list where a number
        // belongs) is damaged: it is passed over like a missing one.
        if (kind == pvkDateTime || (kind == pvkStrings && s->Name != "MRUList"))
            continue;
        const std::string& name = s->Name;
        if (name == "Left")
            p.left = s->AsInteger();
        else if (name == "Top")
            p.top = s->AsInteger();
        else if (name == "Width")
            p.width = s->AsInteger();
        else if (name == "Height")
            p.height = s->AsInteger();
        else if (name == "State")
            p.state = s->AsInteger();
        else if (name == "MainForm")
            p.mainForm = s->AsBoolean();
        else if (name == "ScreenRes")
            p.screenRes = s->AsString();
        else if (name == "MRUList" && s->Value().kind == pvkStrings) {
            p.mruStored = true;
            s->AsStrings(p.mru);
        }
    }
}

void TPFormSettings::applyPlacement(const Placement& p) {
    QWidget* w = window_;
    if (p.mruStored) {
        mru_ = p.mru;
        RebuildMRU();
    }
    placement::Screens screens;
    screens.screen = w->screen()->size();
    const QScreen* primary = QGuiApplication::primaryScreen();
    screens.all.push_back({primary->geometry(), primary->availableGeometry()});
    for (const QScreen* s : QGuiApplication::screens())
        if (s != primary)
            screens.all.push_back({s->geometry(), s->availableGeometry()});
    const QRect rect = placement::restoredRect({p.left, p.top, p.width, p.height, p.screenRes},
                                               QRect(w->pos(), w->size()), centred_, screens);
    w->move(rect.topLeft());
    w->resize(rect.size());
    restoredFrame_ = rect;
    restoredNormal_ = w->geometry();
    if (p.state == 1) {
        if (p.mainForm)
            QMetaObject::invokeMethod(qApp, &minimiseApplication, Qt::QueuedConnection);
        else
            w->setWindowState(w->windowState() | Qt::WindowMinimized);
    } else if (p.state == 2) {
        w->setWindowState(w->windowState() | Qt::WindowMaximized);
    }
}

void TPFormSettings::SaveToRegistry() {
    TPRegistry registry;
    registry.SetRootKey(rootKey());
    const std::string path = RegistryKeyPath();
    saveListed(registry, path);
    const Placement fromWindow = placementFromWindow();
    for (const auto& s : placementSettings(&fromWindow))
        s->SaveValue(registry, path, SaveAll);
}

void TPFormSettings::RestoreFromRegistry() {
    TPRegistry registry;
    registry.SetRootKey(rootKey());
    const std::string path = RegistryKeyPath();
    restoreListed(registry, path);
    const auto values = placementSettings(nullptr);
    for (const auto& s : values)
        s->RestoreValue(registry, path);
    Placement p;
    readPlacement(p, values);
    applyPlacement(p);
}

void TPFormSettings::UserSave() {
    if (!OnUserSave)
        return;
    const Placement fromWindow = placementFromWindow();
    const auto values = placementSettings(&fromWindow);
    for (TPSetting* s : Settings())
        OnUserSave(this, s);
    for (const auto& s : values)
        OnUserSave(this, s.get());
}

void TPFormSettings::UserRestore() {
    if (!OnUserRestore)
        return;
    const auto values = placementSettings(nullptr);
    for (TPSetting* s : Settings())
        OnUserRestore(this, s);
    for (const auto& s : values)
        OnUserRestore(this, s.get());
    Placement p;
    readPlacement(p, values);
    applyPlacement(p);
}

void TPFormSettings::Loaded() {
    if (loaded_)
        return;
    for (TPSetting* s : Settings())
        s->TakeDesignValue();
    restoreWithEvents(SaveLocation == pslRegistry, SaveLocation == pslUser);
    loaded_ = true;
}

void TPFormSettings::Save() {
    saveWithEvents(SaveLocation == pslRegistry, SaveLocation == pslUser);
}

// ---- the message watch ----

// The save at the window's first close request, hiding or destruction. A failed
// save never keeps the window open; the answer is the error text, empty when none.
std::string TPFormSettings::saveOnce() {
    if (!loaded_ || saveGuard_)
        return {};
    saveGuard_ = true;
    if (isMainWindow())
        mainWindowSaved = true;
    try {
        Save();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

void TPFormSettings::watchEnd() {
    const std::string error = saveOnce();
    if (!error.empty())
        ReportError(error);
}

void TPFormSettings::forward(QObject* watched, QEvent* event) {
    const FlagGuard passOn(forwarding_);
    QCoreApplication::sendEvent(watched, event);
}

bool TPFormSettings::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ || forwarding_)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        saveGuard_ = false;
        return false;
    case QEvent::Move:
    case QEvent::Resize:
        noteFrameOffset();
        return false;
    case QEvent::WindowStateChange:
        if (applicationMinimised() && !minimisedAtSave_)
            saveGuard_ = false;
        return false;
    case QEvent::Close: {
        // Saved before the window's close query; an error is shown only after the
        // window has decided whether it closes.
        const std::string error = saveOnce();
        forward(watched, event);
        if (!error.empty())
            ReportError(error);
        return true;
    }
    case QEvent::Hide:
        // Hiding by the program, not a minimise: the window's own hide handling runs
        // first, then the save.
        if (event->spontaneous())
            return false;
        forward(watched, event);
        watchEnd();
        return true;
    default:
        return false;
    }
}

void TPFormSettings::WindowDestroyed() {
    watchEnd();
    if (watching_ && window_)
        window_->removeEventFilter(this);
    watching_ = false;
}

// ---- restart request ----

void TPFormSettings::RequestRestart() {
    std::string name = "PS";
    for (char c : SoftwareName() + CompanyName())
        if (std::isalpha(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80)
            name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    name.resize(std::min<std::size_t>(name.size(), 20));
    const std::string exe = platform::fromQString(QCoreApplication::applicationFilePath());
    TPRegistry registry;
    platform::RegistryBatch batch(registry.Store());
    if (registry.OpenKey("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce", true))
        registry.WriteString(name, '"' + exe + '"');
}

// ---- recently used files ----

void TPFormSettings::SetMRULength(int length) {
    if (length < 0 || length > 9)
        return;
    mruLength_ = length;
    RebuildMRU();
}

void TPFormSettings::SetMRUMaxItemWidth(int width) {
    if (width < 100 || width > 300)
        return;
    mruMaxWidth_ = width;
    RebuildMRU();
}

void TPFormSettings::SetMRUMenuItem(QAction* item) {
    clearMRUMenu();
    mruItem_ = item;
    RebuildMRU();
}

void TPFormSettings::clearMRUMenu() {
    if (!mruItem_)
        return;
    QList<QMenu*> menus;
    if (mruItem_->menu())
        menus << mruItem_->menu();
    for (QObject* o : mruItem_->associatedObjects())
        if (auto* m = qobject_cast<QMenu*>(o))
            menus << m;
    for (QMenu* menu : menus)
        for (QAction* a : menu->actions()) {
            const int tag = a->data().toInt();
            if (a->data().isValid() && (tag == kMRUTag || tag == kMRUSeparatorTag))
                delete a;
        }
}

void TPFormSettings::RebuildMRU() {
    // The program never keeps more entries than its longest menu; a damaged store may
    // hold any number, and each would cost a file-system look-up.
    if (mru_.size() > kMRUMaxKept)
        mru_.resize(kMRUMaxKept);
    if (MRUValidate)
        std::erase_if(mru_, [](const std::string& f) { return !fileExists(f); });
    clearMRUMenu();
    if (!mruItem_ || mruLength_ == 0 || mru_.empty())
        return;
    // Below the entry in its own submenu, or ahead of it in the menu that holds it.
    QMenu* menu = mruItem_->menu();
    QAction* before = nullptr;
    if (MRUPlacement == pmpBefore || !menu) {
        for (QObject* o : mruItem_->associatedObjects())
            if ((menu = qobject_cast<QMenu*>(o)))
                break;
        before = mruItem_;
    }
    if (!menu)
        return;
    auto insert = [&](QAction* a) { before ? menu->insertAction(before, a) : menu->addAction(a); };
    if (!before && !menu->actions().isEmpty()) {
        auto* separator = new QAction(menu);
        separator->setSeparator(true);
        separator->setData(kMRUSeparatorTag);
        insert(separator);
    }
    const QFontMetrics metrics(menu->font());
    const int count = std::min(mruLength_, static_cast<int>(mru_.size()));
    for (int i = 0; i < count; ++i) {
        const std::string file = mru_[static_cast<std::size_t>(i)];
        const QString path = platform::toQString(file);
        QString shown = path;
        if (MRUDisplay == pmdFileOnly)
            shown = QFileInfo(path).fileName();
        else if (MRUDisplay == pmdAbbPath)
            shown = metrics.elidedText(path, Qt::ElideMiddle, mruMaxWidth_);
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), menu);
        action->setData(kMRUTag);
        connect(action, &QAction::triggered, this, [this, action, file, i] {
            if (OnMRUClick)
                OnMRUClick(this, action, file, i + 1);
        });
        insert(action);
    }
    if (before) {
        auto* separator = new QAction(menu);
        separator->setSeparator(true);
        separator->setData(kMRUSeparatorTag);
        insert(separator);
    }
}
