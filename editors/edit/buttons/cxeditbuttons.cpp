#include "editors/edit/buttons/cxeditbuttons.h"

#include "editors/foundation/controls/cxcontrolutils.h"

TcxEditButton::TcxEditButton(TCollection& collection) : TCollectionItem(collection) {}

TcxEditButton::~TcxEditButton() = default;

std::unique_ptr<TCollectionItem> TcxEditButton::Create(TCollection& collection)
{
    return std::make_unique<TcxEditButton>(collection);
}

template <class T>
void TcxEditButton::Store(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Changed(false);
}

void TcxEditButton::SetCaption(const std::string& value)
{
    if (caption_ == value)
        return;
    caption_ = value;
    visibleCaption_ = cxStripAccelChar(value);
    Changed(false);
}

void TcxEditButton::SetContentAlignment(TAlignment value) { Store(contentAlignment_, value); }
void TcxEditButton::SetEnabled(bool value) { Store(enabled_, value); }
void TcxEditButton::SetKind(TcxEditButtonKind value) { Store(kind_, value); }
void TcxEditButton::SetLeftAlignment(bool value) { Store(leftAlignment_, value); }
void TcxEditButton::SetStretchable(bool value) { Store(stretchable_, value); }
void TcxEditButton::SetTag(int value) { Store(tag_, value); }
void TcxEditButton::SetTextColor(TColor value) { Store(textColor_, value); }
void TcxEditButton::SetVisible(bool value) { Store(visible_, value); }

void TcxEditButton::SetWidth(int value)
{
    // A negative width would mean nothing to the layout.
    if (value >= 0)
        Store(width_, value);
}

void TcxEditButton::SetDefault(bool value)
{
    if (default_ == value)
        return;
    if (!value) {
        default_ = false;
        Changed(false);
        return;
    }
    TCollection& buttons = Collection();
    for (int i = 0; i < buttons.Count(); ++i)
        if (auto* button = dynamic_cast<TcxEditButton*>(buttons.Items(i)))
            button->default_ = false;
    default_ = true;
    Changed(true);
}

TBitmap& TcxEditButton::Glyph() const
{
    if (!glyph_) {
        glyph_ = std::make_unique<TBitmap>();
        // Const reads make it; edits of the picture are the button's change.
        auto* self = const_cast<TcxEditButton*>(this);
        glyph_->OnChange = [self](TGraphic&) { self->Changed(false); };
    }
    return *glyph_;
}

void TcxEditButton::SetGlyph(const TBitmap* value)
{
    if (value)
        Glyph().Assign(*value);
    else if (glyph_)
        FreeGlyph();
}

void TcxEditButton::FreeGlyph()
{
    glyph_.reset();
    Changed(false);
}

void TcxEditButton::Assign(const TPersistent& source)
{
    const auto* from = dynamic_cast<const TcxEditButton*>(&source);
    if (!from) {
        TCollectionItem::Assign(source);
        return;
    }
    if (from == this)
        return;
    Collection().Updating([&] {
        SetCaption(from->caption_);
        visibleCaption_ = from->visibleCaption_;
        SetContentAlignment(from->contentAlignment_);
        SetDefault(from->default_);
        SetEnabled(from->enabled_);
        SetGlyph(from->glyph_.get());
        SetKind(from->kind_);
        SetLeftAlignment(from->leftAlignment_);
        SetStretchable(from->stretchable_);
        SetTag(from->tag_);
        SetTextColor(from->textColor_);
        SetVisible(from->visible_);
        SetWidth(from->width_);
    });
}

TcxEditButtons::TcxEditButtons(TPersistent* owner, TCollectionItemClass buttonClass)
    : TCollection(buttonClass), owner_(owner)
{
}

std::unique_ptr<TcxEditButtons> TcxEditButtons::Create(TPersistent* owner, TCollectionItemClass buttonClass)
{
    return std::make_unique<TcxEditButtons>(owner, buttonClass);
}

const TcxEditButtonsClass& TcxEditButtons::Class()
{
    static const TcxEditButtonsClass record{TcxEditButtons::Create, TcxEditButton::Create};
    return record;
}

int TcxEditButtons::VisibleCount() const
{
    int count = 0;
    for (int i = 0; i < Count(); ++i)
        count += Items(i)->Visible() ? 1 : 0;
    return count;
}

void TcxEditButtons::Update(TCollectionItem*)
{
    if (OnChange)
        OnChange(*this);
}
