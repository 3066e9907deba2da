#include "editors/controls/mask/cxmaskeditmode.h"

#include <algorithm>

#include "editors/controls/mask/cxmaskeditregexprexmode.h"
#include "editors/controls/mask/cxmaskeditstandardmode.h"
#include "editors/controls/mask/cxmaskchars.h"
#include "editors/controls/regexpr/cxregexprclasses.h"

void TcxMaskEditCustomMode::SetModeMask(const std::string& mask)
{
    mask_ = mask;
}

bool cxIsBlankMask(const std::string& mask)
{
    return std::all_of(mask.begin(), mask.end(), [](char c) { return cxRegExprIsBlank(static_cast<unsigned char>(c)); });
}

bool TcxMaskEditCustomMode::IsMaskAbsent() const
{
    return cxIsBlankMask(mask_);
}

bool TcxMaskEditCustomMode::IsCaretAtEnd()
{
    return HasPort() && Port().Selection().Caret() >= static_cast<int>(Port().Text().size());
}

void TcxMaskEditCustomMode::SyncDisplay()
{
    if (!HasPort())
        return;
    Port().Redisplay();
    SelectForOverwrite();
}

void TcxMaskEditCustomMode::RefreshValueIfMarked()
{
    if (!refreshValue_)
        return;
    refreshValue_ = false;
    if (HasPort())
        Port().SetEditValue(GetEmptyValue());
}

void TcxMaskEditCustomMode::ErrorBeep()
{
    if (HasPort() && options_.BeepOnError)
        Port().Beep();
}

void TcxMaskEditCustomMode::Commit(const std::string& text, int caret)
{
    const std::string old = Port().Text();
    if (old != text) {
        // From the first character that differs, so the inner edit is handed whole characters.
        int from = 0;
        for (int next = 0; (next = cxMaskNextChar(old, from)) > from &&
                           old.compare(static_cast<std::size_t>(from), static_cast<std::size_t>(next - from), text,
                                       static_cast<std::size_t>(from), static_cast<std::size_t>(next - from)) == 0;)
            from = next;
        Port().Select(from, static_cast<int>(old.size()));
        Port().ReplaceSelection(text.substr(static_cast<std::size_t>(std::min<std::size_t>(from, text.size()))));
    }
    Port().Select(caret, caret);
}

namespace {

template <class M>
std::unique_ptr<TcxMaskEditCustomMode> MakeMode(TcxMaskEditPort* port, const TcxMaskEditModeOptions& options)
{
    return std::make_unique<M>(port, options);
}

} // namespace

TcxMaskEditModeClass cxMaskEditModeClass(TcxEditMaskKind kind)
{
    switch (kind) {
    case emkRegExpr: return &MakeMode<TcxMaskEditRegExprMode>;
    case emkRegExprEx: return &MakeMode<TcxMaskEditRegExprExMode>;
    case emkStandard: break;
    }
    return &MakeMode<TcxMaskEditStandardMode>;
}

std::unique_ptr<TcxMaskEditCustomMode> cxCreateMaskEditMode(TcxMaskEditModeClass modeClass, TcxMaskEditPort* port,
                                                            const TcxMaskEditModeOptions& options,
                                                            const std::string& mask)
{
    std::unique_ptr<TcxMaskEditCustomMode> mode = modeClass(port, options);
    mode->SetModeMask(mask);
    return mode;
}

std::unique_ptr<TcxMaskEditCustomMode> cxCreateMaskEditMode(TcxEditMaskKind kind, TcxMaskEditPort* port,
                                                            const TcxMaskEditModeOptions& options,
                                                            const std::string& mask)
{
    return cxCreateMaskEditMode(cxMaskEditModeClass(kind), port, options, mask);
}
