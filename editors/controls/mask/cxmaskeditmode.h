// The masked editor's modes: one object per mask kind holds the compiled
// mask and answers the editor's keys, typing, paste and display over a port.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "classlib/charcase.h"
#include "classlib/formatsettings.h"
#include "editors/controls/mask/cxmaskeditport.h"
#include "editors/controls/regexpr/cxregexprtexts.h"
#include "editors/controls/text/cxtexteditmodes.h"

enum TcxEditMaskKind : std::uint8_t { emkStandard, emkRegExpr, emkRegExprEx };

// What the properties tell a mode.
struct TcxMaskEditModeOptions {
    bool BeepOnError = false;
    bool CaseInsensitive = true;
    bool IgnoreMaskBlank = false;
    TEditCharCase CharCase = TEditCharCase::ecNormal;
    TcxEditEchoMode EchoMode = eemNormal;
    // Must outlive the mode.
    const TFormatSettings* Settings = &FormatSettings();
    TcxTextLookup Texts = cxRegExprDefaultTexts();
};

class TcxMaskEditCustomMode {
public:
    // Without a port the mode only converts values (the properties' display mode).
    TcxMaskEditCustomMode(TcxMaskEditPort* port, TcxMaskEditModeOptions options)
        : port_(port), options_(std::move(options))
    {
    }
    virtual ~TcxMaskEditCustomMode() = default;
    TcxMaskEditCustomMode(const TcxMaskEditCustomMode&) = delete;
    TcxMaskEditCustomMode& operator=(const TcxMaskEditCustomMode&) = delete;

    // The operation table, in its order.
    virtual TcxEditMaskKind ModeKind() const = 0;
    virtual void FinishPaste() = 0;
    // Raises EcxMaskEditError when the mask does not compile in this kind.
    virtual void SetModeMask(const std::string& mask);
    virtual std::string GetEmptyValue() = 0;
    virtual std::string ApplyMask(const std::string& text, bool textHasLiterals) = 0;
    virtual void SelectAllHook() {}
    virtual bool IsCaretAtStart() = 0;
    virtual bool IsCaretAtEnd();
    virtual bool IsTextValid(const std::string& text) = 0;
    virtual void SelectForOverwrite() = 0;
    // The clipboard text as the editor will paste it (cut at its first line break).
    virtual void BeforePaste(const std::string& clipboard) = 0;
    // True lets the inner edit handle the key itself; False swallows it.
    virtual bool Backspace() = 0;
    virtual bool ClearSelection() = 0;
    virtual bool CaretEnd() = 0;
    virtual bool CaretHome() = 0;
    virtual bool CaretLeft() = 0;
    virtual bool CaretRight() = 0;
    // May rewrite the key to the mask's case.
    virtual bool TypeChar(char& key) = 0;
    virtual void SetModeText(const std::string& text) = 0;
    virtual void SyncDisplay();
    virtual void RefreshValueIfMarked();
    virtual std::string GetValueTextOf(const std::string& text, bool textHasLiterals) = 0;
    virtual char GetBlankCharAt(int position) = 0;

    const std::string& EditMask() const { return mask_; }
    // A mask of blanks only is no mask.
    bool IsMaskAbsent() const;
    const TcxMaskEditModeOptions& Options() const { return options_; }
    void SetCharCase(TEditCharCase value) { options_.CharCase = value; }
    // Settings that take effect from the next operation (case sensitivity
    // is compiled in: a change of it needs a new mode).
    void SetOptions(const TcxMaskEditModeOptions& value) { options_ = value; }

protected:
    // Both need a port; every operation that calls them checks HasPort first.
    TcxMaskEditPort& Port() { return *port_; }
    bool HasPort() const { return port_ != nullptr; }
    void ErrorBeep();
    // Text and caret as one change: the part that differs replaced at once.
    void Commit(const std::string& text, int caret);
    bool Shift() const { return port_ && port_->ShiftDown; }

    std::string mask_;
    // Bytes of the clipboard text being pasted.
    int clipboardLength_ = 0;
    bool refreshValue_ = false;

private:
    TcxMaskEditPort* port_;
    TcxMaskEditModeOptions options_;
};

// Empty or blanks only: no mask.
bool cxIsBlankMask(const std::string& mask);

// Makes an uncompiled mode of one class over a port (none: a display mode).
using TcxMaskEditModeClass = std::unique_ptr<TcxMaskEditCustomMode> (*)(TcxMaskEditPort* port,
                                                                         const TcxMaskEditModeOptions& options);
// The mode class of each kind.
TcxMaskEditModeClass cxMaskEditModeClass(TcxEditMaskKind kind);
// A mode of that class, compiled with mask (raises as SetModeMask does).
std::unique_ptr<TcxMaskEditCustomMode> cxCreateMaskEditMode(TcxMaskEditModeClass modeClass, TcxMaskEditPort* port,
                                                            const TcxMaskEditModeOptions& options,
                                                            const std::string& mask);
// The same for the class of a kind.
std::unique_ptr<TcxMaskEditCustomMode> cxCreateMaskEditMode(TcxEditMaskKind kind, TcxMaskEditPort* port,
                                                            const TcxMaskEditModeOptions& options,
                                                            const std::string& mask);
