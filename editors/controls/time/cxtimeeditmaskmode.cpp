#include "editors/controls/time/cxtimeeditmaskmode.h"

bool TcxTimeEditMaskMode::ClearSelection()
{
    if (!HasPort())
        return false;
    blanking_ = Port().Text();
    const bool result = TcxMaskEditStandardMode::ClearSelection();
    blanking_.reset();
    return result;
}

void TcxTimeEditMaskMode::BeforePaste(const std::string& clipboard)
{
    blanking_ = Port().Text();
    TcxMaskEditStandardMode::BeforePaste(clipboard);
}

void TcxTimeEditMaskMode::FinishPaste()
{
    TcxMaskEditStandardMode::FinishPaste();
    blanking_.reset();
}

char TcxTimeEditMaskMode::GetBlankCharAt(int position)
{
    const TcxStandardMask& mask = Mask();
    if (position < 0 || static_cast<std::size_t>(position) >= mask.Count())
        return mask.BlankChar;
    // The hour, minute and second items are the mask's digit positions.
    if (dynamic_cast<const TcxStandardMaskNumericItem*>(&mask.Items(static_cast<std::size_t>(position))))
        return '0';
    if (blanking_ && static_cast<std::size_t>(position) < blanking_->size())
        return (*blanking_)[static_cast<std::size_t>(position)];
    return mask.BlankChar;
}
