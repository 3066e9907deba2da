// A regular-expression edit mask: compiled from its text into states that the
// masked editor walks byte by byte as the user types.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "classlib/formatsettings.h"
#include "classlib/streams.h"
#include "editors/controls/regexpr/cxregexprautomat.h"
#include "editors/controls/regexpr/cxregexprerrors.h"
#include "editors/controls/regexpr/cxregexprtexts.h"

class TcxRegExpr {
public:
    // The separators are read from settings whenever a byte is matched, the
    // decimal separator when compiling; settings must outlive the expression.
    explicit TcxRegExpr(const TFormatSettings& settings = FormatSettings(),
                        TcxTextLookup texts = cxRegExprDefaultTexts());
    ~TcxRegExpr();
    TcxRegExpr(const TcxRegExpr&) = delete;
    TcxRegExpr& operator=(const TcxRegExpr&) = delete;

    // Raises EcxRegExprError with every error found; nullptr is a stream that cannot be read.
    void Compile(TStream* stream);
    void Compile(std::string_view text);
    bool IsCompiled() const { return compiled_; }
    // The source when compiled, else nullptr.
    TMemoryStream* SourceStream() { return compiled_ ? &source_ : nullptr; }
    bool CaseInsensitive() const { return caseInsensitive_; }
    void SetCaseInsensitive(bool value) { caseInsensitive_ = value; }
    bool LiteralCompletion() const { return literalCompletion_; }
    void SetLiteralCompletion(bool value);
    const TFormatSettings& Settings() const { return *settings_; }
    const TcxRegExprErrors& Errors() const { return errors_; }

    // A case-insensitive match may hand back the mask's own character.
    bool FeedChar(char& c);
    // The accepted bytes as given; rejected ones are skipped.
    std::string FeedText(std::string_view text);
    bool StepBack();
    void Rewind();
    bool IsMatchComplete();
    bool IsAtStart();
    // For the tests' view of the sets; nullptr until compiled.
    const TcxRegExprAutomat* Automat() const { return automat_.get(); }

    std::function<void(char)> OnLiteralAdded;
    std::function<void()> OnLiteralRemoved;

private:
    void ClearExpression();
    void AddError(unsigned id, int line, int ch, std::string_view argument);
    [[noreturn]] void RaiseErrors();
    TcxRegExprAutomat& EnsureCompiled();

    const TFormatSettings* settings_;
    TcxTextLookup texts_;
    TMemoryStream source_;
    TcxRegExprErrors errors_;
    std::unique_ptr<TcxRegExprAutomat> automat_;
    bool firstCompile_ = true, compiled_ = false, literalCompletion_ = false, caseInsensitive_ = false;
};
