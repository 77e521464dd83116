#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace controls {

class HeaderControl;
class HeaderSections;

// One section of a HeaderControl as a persistent collection item: its text and width
// live in the header, the other properties are kept here. The class information
// gives each property's default so that only what differs from it is stored.
class HeaderSection : public QObject {
    Q_OBJECT
    Q_CLASSINFO("Default:Alignment", "taLeftJustify")
    Q_CLASSINFO("Default:AllowClick", "True")
    Q_CLASSINFO("Default:AutoSize", "False")
    Q_CLASSINFO("StoredWhen:BiDiMode", "ParentBiDiMode=False")
    Q_CLASSINFO("Default:MaxWidth", "10000")
    Q_CLASSINFO("Default:MinWidth", "0")
    Q_CLASSINFO("Default:ParentBiDiMode", "True")
    Q_CLASSINFO("Default:Style", "hsText")
    Q_PROPERTY(TAlignment Alignment MEMBER alignment_)
    Q_PROPERTY(bool AllowClick MEMBER allowClick_)
    Q_PROPERTY(bool AutoSize MEMBER autoSize_)
    Q_PROPERTY(TBiDiMode BiDiMode MEMBER biDiMode_)
    Q_PROPERTY(int ImageIndex MEMBER imageIndex_)
    Q_PROPERTY(int MaxWidth READ maxWidth WRITE setMaxWidth)
    Q_PROPERTY(int MinWidth READ minWidth WRITE setMinWidth)
    Q_PROPERTY(bool ParentBiDiMode MEMBER parentBiDiMode_)
    Q_PROPERTY(THeaderSectionStyle Style MEMBER style_)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(int Width READ width WRITE setWidth)
public:
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
    Q_ENUM(TBiDiMode)
    enum THeaderSectionStyle { hsText, hsOwnerDraw };
    Q_ENUM(THeaderSectionStyle)

    HeaderSection(HeaderControl* header, int index);

    QString text() const;
    void setText(const QString& text);
    int width() const;
    // Kept within MinWidth..MaxWidth, and so is the width when a limit changes, so
    // that a section holds the same width however its properties arrive.
    void setWidth(int width);
    int minWidth() const { return minWidth_; }
    void setMinWidth(int width);
    int maxWidth() const { return maxWidth_; }
    void setMaxWidth(int width);

private:
    HeaderControl* header_;
    int index_;
    TAlignment alignment_ = taLeftJustify;
    bool allowClick_ = true;
    bool autoSize_ = false;
    TBiDiMode biDiMode_ = bdLeftToRight;
    int imageIndex_ = -1;
    int maxWidth_ = 10000;
    int minWidth_ = 0;
    bool parentBiDiMode_ = true;
    THeaderSectionStyle style_ = hsText;
};

// The sections of a header as a collection the settings store can save and restore.
class HeaderSections : public QObject {
    Q_OBJECT
    Q_CLASSINFO("PersistentCollection", "true")
public:
    explicit HeaderSections(HeaderControl* header);

    Q_INVOKABLE int count() const;
    Q_INVOKABLE QObject* item(int index) const;
    Q_INVOKABLE QObject* add();
    Q_INVOKABLE void clear();

    // Follows the header's sections after they were set anew.
    void sync();

private:
    HeaderControl* header_;
    // Owned here rather than as QObject children: a parent finds a child it loses by
    // a walk of all its children, which made emptying a large header quadratic.
    std::vector<std::unique_ptr<HeaderSection>> items_;
};

} // namespace controls
