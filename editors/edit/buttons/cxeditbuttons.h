// The buttons of an editor: a collection of button descriptions (kind,
// caption or glyph, width, placement) whose changes reach the editor's
// properties through the collection's change event.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "classlib/bitmap.h"
#include "classlib/collection.h"
#include "classlib/colors.h"
#include "classlib/control.h"

enum TcxEditButtonKind { bkEllipsis, bkDown, bkGlyph, bkText };

class TcxEditButtons;

class TcxEditButton : public TCollectionItem {
public:
    explicit TcxEditButton(TCollection& collection);
    ~TcxEditButton() override;
    static std::unique_ptr<TCollectionItem> Create(TCollection& collection);

    // From another button, inside one update of the collection; other
    // sources fail as the class library's do.
    void Assign(const TPersistent& source) override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    // The caption without its accelerator marks.
    const std::string& VisibleCaption() const { return visibleCaption_; }
    TAlignment ContentAlignment() const { return contentAlignment_; }
    void SetContentAlignment(TAlignment value);
    // At most one button of a collection is the default one.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // Made, empty, on first read.
    TBitmap& Glyph() const;
    bool HasGlyph() const { return glyph_ != nullptr; }
    // A copy of value; none frees the glyph.
    void SetGlyph(const TBitmap* value);
    TcxEditButtonKind Kind() const { return kind_; }
    void SetKind(TcxEditButtonKind value);
    // The button sits at the left edge.
    bool LeftAlignment() const { return leftAlignment_; }
    void SetLeftAlignment(bool value);
    bool Stretchable() const { return stretchable_; }
    void SetStretchable(bool value);
    int Tag() const { return tag_; }
    void SetTag(int value);
    bool IsTagStored() const { return tag_ != 0; }
    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // 0: as wide as the editor decides. Negative values are ignored.
    int Width() const { return width_; }
    void SetWidth(int value);

private:
    template <class T>
    void Store(T& field, const T& value);
    void FreeGlyph();

    std::string caption_, visibleCaption_;
    TAlignment contentAlignment_ = TAlignment::taCenter;
    bool default_ = false;
    bool enabled_ = true;
    mutable std::unique_ptr<TBitmap> glyph_;
    TcxEditButtonKind kind_ = bkDown;
    bool leftAlignment_ = false;
    bool stretchable_ = true;
    int tag_ = 0;
    TColor textColor_ = clBtnText;
    bool visible_ = true;
    int width_ = 0;
};

// A buttons class as a value: how to make its collection and the button
// class that collection holds by default.
struct TcxEditButtonsClass {
    std::unique_ptr<TcxEditButtons> (*Create)(TPersistent* owner, TCollectionItemClass buttonClass);
    TCollectionItemClass ButtonClass;
};

class TcxEditButtons : public TCollection {
public:
    using TChangeEvent = std::function<void(TPersistent& Sender)>;

    // buttonClass makes TcxEditButton or a descendant of it.
    TcxEditButtons(TPersistent* owner, TCollectionItemClass buttonClass);
    static std::unique_ptr<TcxEditButtons> Create(TPersistent* owner, TCollectionItemClass buttonClass);
    // TcxEditButtons holding TcxEditButton.
    static const TcxEditButtonsClass& Class();

    TcxEditButton& Add() { return static_cast<TcxEditButton&>(TCollection::Add()); }
    TcxEditButton* Items(int index) const { return static_cast<TcxEditButton*>(TCollection::Items(index)); }
    int VisibleCount() const;
    TPersistent* GetOwner() const override { return owner_; }

    // Fired by Update with the collection as sender.
    TChangeEvent OnChange;

protected:
    void Update(TCollectionItem* item) override;

private:
    TPersistent* owner_;
};
