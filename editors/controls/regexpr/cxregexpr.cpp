#include "editors/controls/regexpr/cxregexpr.h"

#include <algorithm>

#include "editors/controls/regexpr/cxregexprparser.h"

TcxRegExpr::TcxRegExpr(const TFormatSettings& settings, TcxTextLookup texts)
    : settings_(&settings), texts_(std::move(texts))
{
}

TcxRegExpr::~TcxRegExpr() = default;

void TcxRegExpr::ClearExpression()
{
    source_.Clear();
    errors_.Clear();
    automat_.reset();
    compiled_ = false;
}

void TcxRegExpr::AddError(unsigned id, int line, int ch, std::string_view argument)
{
    TcxRegExprError error{line, ch, cxFormatText(texts_(id), argument), {}};
    if (line > 0) {
        error.FullMessage = texts_(cxSRegExprLine) + std::to_string(line);
        if (ch > 0)
            error.FullMessage += ", " + texts_(cxSRegExprChar) + std::to_string(ch);
        error.FullMessage += ": ";
    }
    error.FullMessage += error.Message;
    errors_.Add(std::move(error));
}

void TcxRegExpr::RaiseErrors()
{
    throw EcxRegExprError(errors_);
}

void TcxRegExpr::Compile(std::string_view text)
{
    TMemoryStream stream;
    stream.WriteBuffer(text.data(), text.size());
    stream.SetPosition(0);
    Compile(&stream);
}

void TcxRegExpr::Compile(TStream* stream)
{
    if (firstCompile_)
        firstCompile_ = false;
    else
        ClearExpression();
    try {
        if (!stream)
            throw EReadError("no stream");
        source_.LoadFromStream(*stream);
    } catch (const Exception&) {
        source_.Clear();
        AddError(cxSRegExprNotAssignedSourceStream, 0, 0, {});
        RaiseErrors();
    }
    const std::string_view text(reinterpret_cast<const char*>(source_.Memory()),
                                static_cast<std::size_t>(source_.Size()));
    if (std::all_of(text.begin(), text.end(), [](char c) { return cxRegExprIsBlank(static_cast<unsigned char>(c)); })) {
        AddError(cxSRegExprEmptySourceStream, 0, 0, {});
        RaiseErrors();
    }
    const auto report = [this](unsigned id, int line, int ch, std::string_view argument) {
        AddError(id, line, ch, argument);
    };
    const TcxLexems lexems = TcxRegExprLexer(text, settings_->DecimalSeparator, report).ScanLexems();
    if (!errors_.Empty())
        RaiseErrors();
    TcxRegExprParserAlts alts;
    {
        TcxRegExprParser parser(lexems, report);
        alts = parser.ParseExpression();
    }
    if (!errors_.Empty())
        RaiseErrors();
    TcxRegExprLinker linker(TcxRegExprBudget::Successors);
    if (!std::all_of(alts.begin(), alts.end(), [&](const auto& alt) { return linker.LinkAlternative(*alt); })) {
        AddError(cxSRegExprTooComplex, 0, 0, {});
        RaiseErrors();
    }
    cxRegExprMarkFinals(alts);
    automat_ = std::make_unique<TcxRegExprAutomat>(std::move(alts), *this);
    compiled_ = true;
    if (literalCompletion_)
        automat_->CompleteLiterals();
}

TcxRegExprAutomat& TcxRegExpr::EnsureCompiled()
{
    if (!compiled_)
        throw EcxEditError(texts_(cxSRegExprNotCompiled));
    return *automat_;
}

void TcxRegExpr::SetLiteralCompletion(bool value)
{
    literalCompletion_ = value;
    if (value && compiled_)
        automat_->CompleteLiterals();
}

bool TcxRegExpr::FeedChar(char& c)
{
    TcxRegExprAutomat& automat = EnsureCompiled();
    if (!automat.Advance(c, caseInsensitive_))
        return false;
    if (literalCompletion_ && !automat.IsFinal())
        automat.CompleteLiterals();
    return true;
}

std::string TcxRegExpr::FeedText(std::string_view text)
{
    TcxRegExprAutomat& automat = EnsureCompiled();
    std::string accepted;
    for (char c : text) {
        char typed = c;
        if (automat.Advance(typed, caseInsensitive_))
            accepted += c;
    }
    return accepted;
}

bool TcxRegExpr::StepBack()
{
    TcxRegExprAutomat& automat = EnsureCompiled();
    // A handler that recompiled or freed the expression leaves nothing to go back over.
    if (literalCompletion_ && !automat.UndoLiterals())
        return false;
    return automat.GoBack();
}

void TcxRegExpr::Rewind()
{
    EnsureCompiled().Restart();
}

bool TcxRegExpr::IsMatchComplete()
{
    return EnsureCompiled().IsFinal();
}

bool TcxRegExpr::IsAtStart()
{
    return EnsureCompiled().IsAtStart();
}
