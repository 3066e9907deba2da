// Any mask of any kind, then typed bytes and double-byte characters, caret
// keys with and without Shift, Backspace, Delete, paste and clicks: it ends;
// the standard text keeps one byte per position; a regular-expression text
// is one a fresh automaton accepts, with HeadText the text before the caret;
// the caret and selection never lie inside a character.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "editors/controls/mask/cxmaskediterror.h"
#include "editors/controls/mask/cxmaskeditregexprmode.h"
#include "editors/controls/mask/cxmaskeditstandardmode.h"
#include "editors/controls/tests/maskedit_stringport.h"
#include "editors/foundation/tests/fuzzinput.h"

namespace {

// Masks worth reaching often; the rest come from the input.
const char* const kMasks[] = {
    "00:00;1;_", "!99/99;0", ">LL<ll", "CC-CC", "00:00:00 CCCC", "(000)", "\\d\\d:\\d\\d",
    "[0-9]+", "'ID'\\d+", "am|pm", "'\xC9\xCF\xCE\xE7'|'\xCF\xC2\xCE\xE7'", "(a|bc)*d?", "[\xC9\xCF\xCF\xC2]+x{1,3}",
};

bool OnBoundary(const std::string& text, int p)
{
    return cxMaskCharFloor(text, p) == p;
}

void CheckInvariants(TMaskStringPort& port, TcxMaskEditCustomMode& mode, std::size_t count, TcxRegExpr* fresh,
                     bool headInStep)
{
    const std::string text = port.Text();
    const TcxMaskEditSelection sel = port.Selection();
    Check(OnBoundary(text, sel.Start) && OnBoundary(text, sel.Start + sel.Length));
    if (mode.ModeKind() == emkStandard) {
        Check(text.size() == count);
        return;
    }
    // Byte by byte, as the mask engine reads any text.
    fresh->Rewind();
    Check(fresh->FeedText(text) == text);
    if (headInStep) {
        const auto& regexpr = static_cast<TcxMaskEditRegExprMode&>(mode);
        Check(regexpr.HeadText() == text.substr(0, static_cast<std::size_t>(sel.Caret())));
        Check(regexpr.HeadText() + regexpr.TailText() == text);
    }
}

std::string Pair(const std::uint8_t*& data, std::size_t& size)
{
    const auto lead = static_cast<char>(0xB0 + Take<std::uint8_t>(data, size) % 0x48);
    const auto trail = static_cast<char>(0xA1 + Take<std::uint8_t>(data, size) % 0x5E);
    return {lead, trail};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto kind = static_cast<TcxEditMaskKind>(Take<std::uint8_t>(data, size) % 3);
    const auto flags = Take<std::uint8_t>(data, size);
    const auto pick = Take<std::uint8_t>(data, size);
    std::string mask;
    if (pick < 2 * std::size(kMasks)) {
        mask = kMasks[pick % std::size(kMasks)];
    } else {
        const auto length = std::min<std::size_t>(Take<std::uint8_t>(data, size) % 24, size);
        mask.assign(reinterpret_cast<const char*>(data), length);
        data += length, size -= length;
    }
    static const TFormatSettings settings = ChineseFormatSettings();
    TcxMaskEditModeOptions options;
    options.BeepOnError = true;
    options.CaseInsensitive = flags & 1;
    options.IgnoreMaskBlank = flags & 2;
    options.Settings = &settings;
    options.Texts = cxRegExprEnglishText;
    TMaskStringPort port;
    std::unique_ptr<TcxMaskEditCustomMode> mode;
    try {
        mode = cxCreateMaskEditMode(kind, &port, options, mask);
    } catch (const EcxMaskEditError&) {
        return 0;
    }
    if (mode->IsMaskAbsent())
        return 0;
    TcxRegExpr fresh(settings, cxRegExprEnglishText);
    if (kind != emkStandard) {
        fresh.Compile(mask);
        fresh.SetCaseInsensitive(options.CaseInsensitive);
    }
    port.Show(*mode, "");
    const std::size_t count = port.Text().size();
    while (size > 0) {
        const auto op = Take<std::uint8_t>(data, size);
        const bool shift = op & 0x40, ctrl = op & 0x80;
        bool headInStep = true;
        switch (op % 12) {
        case 0:
        case 1: {
            const auto key = static_cast<char>(Take<std::uint8_t>(data, size) % 0x80);
            // Enter, Tab, Escape and the clipboard keys never reach the mode.
            headInStep = key >= 0x20 || key == '\b';
            port.Type(*mode, std::string(1, key));
            break;
        }
        case 2: port.Type(*mode, Pair(data, size)); break;
        case 3: port.Type(*mode, "\b"); break;
        case 4:
            port.Press(*mode, TcxMaskEditKey::Delete, shift);
            break;
        case 5: port.Press(*mode, TcxMaskEditKey::Left, shift, ctrl); break;
        case 6: port.Press(*mode, TcxMaskEditKey::Right, shift, ctrl); break;
        case 7: port.Press(*mode, TcxMaskEditKey::Home, shift); break;
        case 8: port.Press(*mode, TcxMaskEditKey::End, shift); break;
        case 9: {
            const auto length = std::min<std::size_t>(Take<std::uint8_t>(data, size) % 16, size);
            cxMaskEditPaste(*mode, port, std::string(reinterpret_cast<const char*>(data), length));
            data += length, size -= length;
            break;
        }
        case 10:
        case 11: {
            const std::string text = port.Text();
            const int at = static_cast<int>(Take<std::uint8_t>(data, size) % (text.size() + 1));
            port.Click(*mode, cxMaskCharFloor(text, at));
            headInStep = false;
            break;
        }
        }
        CheckInvariants(port, *mode, count, &fresh, headInStep);
    }
    return 0;
}
