// The completing regular-expression mode: characters the mask forces are
// filled in after each typed one, and a typed character with the forced ones
// after it is one unit for the caret keys, Backspace and Delete.
#pragma once

#include <vector>

#include "editors/controls/mask/cxmaskeditregexprmode.h"

class TcxMaskEditRegExprExMode : public TcxMaskEditRegExprMode {
public:
    using TcxMaskEditRegExprMode::TcxMaskEditRegExprMode;

    TcxEditMaskKind ModeKind() const override { return emkRegExprEx; }
    void SetModeMask(const std::string& mask) override;
    // The forced prefix; empty when the mask does not compile.
    std::string GetEmptyValue() override;
    std::string ApplyMask(const std::string& text, bool textHasLiterals) override;
    bool IsTextValid(const std::string& text) override;
    bool TypeChar(char& key) override;
    void SetModeText(const std::string& text) override;
    void RefreshValueIfMarked() override;

protected:
    void Sync() override;
    int UnitStartAt(const std::string& text, int p) override;
    int UnitBefore(const std::string& text, int p) override;
    int UnitAfter(const std::string& text, int p) override;
    std::pair<int, int> SelectedUnits(const std::string& text, const TcxMaskEditSelection& sel) override;
    std::string Forced() override;
    // Typed one by one: the forced characters come with each.
    std::string Filter(TcxRegExpr& expr, const std::string& text) override;

private:
    const std::vector<bool>& ForcedBytes(const std::string& text);
    // All bytes of the character at p were forced by the mask.
    bool IsForcedChar(const std::string& text, int p);

    // What the mask completes after the text last set.
    std::string completedText_;
    std::string mapText_;
    std::vector<bool> forced_;
    bool mapped_ = false;
};
