#include "editors/edit/styles/cxcontainerstyles.h"

TcxContainerStyles::TcxContainerStyles(TPersistent* owner, TcxContainerStyleClass itemClass)
{
    for (int state = 0; state < cxContainerStyleStateCount; ++state)
        styles_[state] = itemClass(owner, static_cast<TcxContainerStyleState>(state),
                                   state == cssNormal ? nullptr : styles_[cssNormal].get(), false);
}

TcxContainerStyles::~TcxContainerStyles()
{
    // The state styles read the normal one until they go.
    for (int state = cxContainerStyleStateCount - 1; state >= 0; --state)
        styles_[state].reset();
}

std::unique_ptr<TcxContainerStyles> TcxContainerStyles::Create(TPersistent* owner, TcxContainerStyleClass itemClass)
{
    return std::make_unique<TcxContainerStyles>(owner, itemClass);
}

void TcxContainerStyles::SetOnChanged(const TcxStyleChangedEvent& event)
{
    for (auto& style : styles_)
        style->OnChanged = event;
}
