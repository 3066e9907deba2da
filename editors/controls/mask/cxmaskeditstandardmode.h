// The standard mode: the text always has one byte per mask position, typing
// overwrites, and the caret steps over literals a whole character at a time.
#pragma once

#include "editors/controls/mask/cxmaskeditmode.h"
#include "editors/controls/standardmask/cxstandardmask.h"

class TcxMaskEditStandardMode : public TcxMaskEditCustomMode {
public:
    using TcxMaskEditCustomMode::TcxMaskEditCustomMode;

    TcxEditMaskKind ModeKind() const override { return emkStandard; }
    void FinishPaste() override;
    void SetModeMask(const std::string& mask) override;
    std::string GetEmptyValue() override { return standardMask_.GetEmptyValue(); }
    std::string ApplyMask(const std::string& text, bool textHasLiterals) override;
    bool IsCaretAtStart() override;
    bool IsTextValid(const std::string& text) override;
    void SelectForOverwrite() override;
    void BeforePaste(const std::string& clipboard) override;
    bool Backspace() override;
    bool ClearSelection() override;
    bool CaretEnd() override;
    bool CaretHome() override;
    bool CaretLeft() override;
    bool CaretRight() override;
    bool TypeChar(char& key) override;
    void SetModeText(const std::string&) override { SelectForOverwrite(); }
    std::string GetValueTextOf(const std::string& text, bool textHasLiterals) override;
    char GetBlankCharAt(int) override { return standardMask_.BlankChar; }

    const TcxStandardMask& Mask() const { return standardMask_; }

private:
    bool IsLiteral(int position) const;
    int FirstDataPosition() const;
    // Past the literals from p on.
    int OverLiterals(const std::string& text, int p) const;
    int SelectedChars();
    // Position p holds the unit's bytes when every item takes them.
    bool Fits(const std::string& unit, int p, std::string* checked) const;
    // Blanks the other half of every double-byte character that [from, to) cuts.
    void BlankCutHalves(std::string& text, const std::string& old, int from, int to);
    void MoveCaret(int p);

    // Whether the one-character selection is the overwrite box the mode set.
    bool IsOverwriteBox();

    TcxStandardMask standardMask_;
    int overwriteBox_ = -1;
    int pasteStart_ = 0;
    std::string pasteText_, textBeforePaste_;
};
