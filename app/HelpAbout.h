#pragma once

#include <QDialog>
#include <QObject>
#include <array>
#include <optional>
#include <string>

class QLabel;
class QPushButton;

namespace controls {
class LinkLabel;
class MemoryGauge;
} // namespace controls

// The version-information component: the ten values of a program file's version record,
// read when it is created ("Value Not Available" for a file without one).
class TVersionInfo : public QObject {
    Q_OBJECT
public:
    // Reads the record of the running program's own file.
    explicit TVersionInfo(QObject* owner);
    // Reads the record of the given file.
    TVersionInfo(QObject* owner, const std::string& programFile);

    QString value(std::size_t key) const;
    QString fileVersion() const;
    QString legalCopyright() const;

private:
    std::array<std::string, 10> values_;
};

// The about box: the program's name, version and rights notice from the version record,
// the maker's links and a live gauge of available paging memory.
class TfrmHelpAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHelpAbout(QWidget* owner);
    // Shows the version record of programFile instead of the running program's.
    TfrmHelpAbout(QWidget* owner, const std::string& programFile);

    TVersionInfo* versionInfo() const { return vi; }

private:
    void build();
    void buildTitleAndVersion();
    void buildLinksAndGauge();
    void buildExitButton();
    void centreOnOwnersScreen();
    QLabel* label(const char* name, const QString& text, int left, int top);
    controls::LinkLabel* link(const char* name, const QString& caption, const QString& target,
                              int top);

    TVersionInfo* vi = nullptr;
    QLabel* viVersion = nullptr;
    QLabel* viCopywrite = nullptr;
    controls::MemoryGauge* resMemory = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
