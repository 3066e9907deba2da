#include "editors/foundation/theme/dxoffice11colors.h"

#include <algorithm>
#include <cstdint>

namespace {

int Channel(TRGB c, int i)
{
    return static_cast<int>((c >> (8 * i)) & 0xFF);
}

TRGB FromChannels(const std::array<int, 3>& ch)
{
    TRGB c = 0;
    for (int i = 0; i < 3; ++i)
        c |= static_cast<TRGB>(std::clamp(ch[i], 0, 255)) << (8 * i);
    return c;
}

template <class F>
TRGB PerChannel(F f)
{
    return FromChannels({f(0), f(1), f(2)});
}

constexpr TRGB kBlack = 0x000000, kWhite = 0xFFFFFF;

// The rows of the three system colour schemes, entry by entry.
constexpr TRGB kSchemeRows[dxOffice11PaletteCount][3] = {
    {0xFEECDD, 0xDEF7F4, 0xFAF4F3}, {0xE2A981, 0x91C6B7, 0xB59799}, {0xF5BE9E, 0xA7D9D9, 0xE5D7D7},
    {0xF9DAC3, 0xE4F0F2, 0xF7F3F3}, {0x913500, 0x6B7760, 0x927476}, {0xF1A675, 0x8CC2B0, 0xC8B2B3},
    {0x76C1FF, 0x76C1FF, 0x76C1FF}, {0xD3F8FF, 0xD3F8FF, 0xD3F8FF}, {0x98DDFF, 0x98DDFF, 0x98DDFF},
    {0x5295FE, 0x5295FE, 0x5295FE}, {0x9C613B, 0x588060, 0x947C7C}, {0xE0A47B, 0x8FC4B5, 0xB09193},
    {0x764127, 0x335E51, 0x755454}, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF}, {0xCB8C6A, 0x588060, 0x8F6D6E},
    {0xFFF9F1, 0xDEF7F4, 0xFFFFFF}, {0xC9662A, 0x5E8674, 0x99797A}, {0xF9DBC4, 0xADDEE1, 0xE4DADB},
    {0x962D00, 0x5E8D75, 0x947C7C}, {0xF6F6F6, 0xEEF4F4, 0xFFFAFD}, {0xC2EEFF, 0xC2EEFF, 0xC2EEFF},
    {0x800000, 0x385D3F, 0x6F4B4B}, {0xCCF4FF, 0xCCF4FF, 0xCCF4FF}, {0x91D0FF, 0x91D0FF, 0x91D0FF},
    {0x8ED3FF, 0x8ED3FF, 0x8ED3FF}, {0x4E91FE, 0x4E91FE, 0x4E91FE}, {0xFCE1CB, 0xB6E3D8, 0xE7D3D6},
    {0x6FC0FF, 0x6FC0FF, 0x6FC0FF}, {0x3E80FE, 0x3E80FE, 0x3E80FE}, {0xF0C7A9, 0x9FD4C5, 0xD3C0C0},
    {0x000000, 0x000000, 0x000000}, {0x8D8D8D, 0x8D8D8D, 0x8D8D8D}, {0xFBDABE, 0x91BAAF, 0xEBE5E5},
    {0x94E6FB, 0x94E6FB, 0x94E6FB}, {0xFADAC4, 0xE4F1F2, 0xF7F3F3}, {0x962D00, 0x588060, 0x947C7C},
    {0xB96837, 0x548973, 0x916F70}, {0x962D00, 0x5E8D75, 0x947C7C}, {0xFBE5D3, 0xDBF5F2, 0xF8F1F0},
    {0xE4AE88, 0x97C9BC, 0xBA9EA0}, {0xDCFFFF, 0xDCFFFF, 0xDCFFFF}, {0x5BC0F7, 0x5BC0F7, 0x5BC0F7},
    {0x94E6FB, 0x94E6FB, 0x94E6FB}, {0x1595EE, 0x1595EE, 0x1595EE}, {0x087FE8, 0x087FE8, 0x087FE8},
    {0x7CDAF7, 0x7CDAF7, 0x7CDAF7}, {0xD68759, 0x82C0AF, 0xBFA7A8}, {0x933803, 0x447A63, 0x916F70},
    {0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
};

// How an entry is made from the system colours when no scheme applies.
enum class TFormula { Mix, Light, LightExact, System, Entry, White, CaptionLight, CaptionDark };
struct TFormulaEntry {
    TFormula Kind;
    TColor A = 0, B = 0; // system colours of Mix and System
    int P = 0, Q = 0, R = 0; // Mix share, Light weights, Entry index
};

constexpr TFormulaEntry Mix(TColor a, TColor b, int p) { return {TFormula::Mix, a, b, p}; }
constexpr TFormulaEntry Light(int a, int b, int c) { return {TFormula::Light, 0, 0, a, b, c}; }
constexpr TFormulaEntry Sys(TColor a) { return {TFormula::System, a}; }
constexpr TFormulaEntry Entry(int i) { return {TFormula::Entry, 0, 0, i}; }

const TFormulaEntry kFormulas[dxOffice11PaletteCount] = {
    Mix(clBtnFace, clWindow, 22), Mix(clBtnFace, clWindow, 96), Sys(clBtnFace), Mix(clBtnFace, clWindow, 20),
    Sys(clBtnShadow), Mix(clBtnShadow, clWindow, 74), Light(-15, 29, 86), Light(-15, 29, 86), Light(42, 11, 47),
    Light(42, 11, 47), Mix(clBtnFace, clWindow, 85), Sys(clBtnFace), Mix(clBtnShadow, clWindow, 76), Sys(clWindow),
    Mix(clBtnShadow, clWindow, 70), {TFormula::White}, Sys(clBtnShadow), Entry(1), Sys(clBtnShadow), Sys(clWindow),
    Light(-2, 30, 72), Sys(clHighlight), Entry(20), Entry(20), Light(14, 44, 40), Light(14, 44, 40), Entry(1),
    {TFormula::LightExact, 0, 0, 41, 11, 48}, Light(14, 44, 40), Entry(1), Sys(clBtnText), Sys(clGrayText),
    Sys(clBtnFace), Entry(27), Entry(2), Entry(18), Sys(clBtnShadow), Sys(clBtnShadow), {TFormula::CaptionLight},
    {TFormula::CaptionDark}, Entry(22), Entry(23), Entry(27), Entry(27), Entry(28), Entry(28), Entry(37), Entry(37),
    Sys(clHighlightText),
};

TRGB Evaluate(const TFormulaEntry& f, const TdxOffice11Palette& p, const TdxColorSource& s)
{
    auto light = [&] {
        return dxLightRGB(s.Resolve(clBtnFace), s.Resolve(clHighlight), s.Resolve(clWindow), f.P, f.Q, f.R);
    };
    switch (f.Kind) {
    case TFormula::Mix: return s.Nearest(dxMixRGB(s.Resolve(f.A), s.Resolve(f.B), f.P));
    case TFormula::Light: return s.Nearest(light());
    case TFormula::LightExact: return light();
    case TFormula::System: return s.Resolve(f.A);
    case TFormula::Entry: return p.Entries[f.P];
    case TFormula::White: return kWhite;
    case TFormula::CaptionLight: return s.Nearest(dxCaptionTone(s.Resolve(clBtnFace), true));
    case TFormula::CaptionDark: return s.Nearest(dxCaptionTone(s.Resolve(clBtnFace), false));
    }
    return kBlack;
}

void FillDerived(TdxOffice11Palette& p, int scheme, const TdxColorSource& s)
{
    auto mix = [&](TRGB a, TRGB b, int share) { return s.Nearest(dxMixRGB(a, b, share)); };
    const auto& e = p.Entries;
    bool themed = scheme != 0;
    for (int i = 0; i < 3; ++i) {
        p.TintA[i] = themed ? mix(e[5 + 2 * i], e[0], 90) : mix(e[4 + 2 * i], s.Resolve(clWindow), 50);
        p.TintB[i] = mix(e[4 + 2 * i], e[11], 50);
    }
    p.MixedBorder = p.TintB[0];
    p.HighlightEdge = themed ? kWhite : s.Resolve(clBtnHighlight);
    p.DarkText = themed ? kBlack : s.Resolve(clBtnText);
    p.LightText = themed ? kWhite : s.Resolve(clWindow);
    p.FixedLight = themed ? 0xC9EEFD : s.Resolve(clBtnFace);
    p.DarkFrame = themed ? e[11] : s.Resolve(clBtnShadow);
    p.Tails = themed ? std::array<TRGB, 2>{e[46], e[47]} : std::array<TRGB, 2>{s.Nearest(s.Resolve(clBtnFace)), e[37]};
    static constexpr int kPercentages[] = {75, 41, 125, 40};
    p.Percentage = kPercentages[scheme];
    p.ShadowEdge = e[18];
    p.Darkened = {mix(e[0], kBlack, 92), mix(e[1], kBlack, 92)};
}

} // namespace

int cxMulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    std::int64_t product = std::int64_t{a} * b, divisor = c;
    if (divisor < 0)
        product = -product, divisor = -divisor;
    // Rounds half away from zero; a quotient beyond 32 bits is -1, as the system's.
    std::int64_t magnitude = ((product < 0 ? -product : product) + divisor / 2) / divisor;
    if (magnitude > INT32_MAX)
        return -1;
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

TRGB dxMixRGB(TRGB c1, TRGB c2, int p)
{
    return PerChannel([&](int i) { return cxMulDiv(Channel(c2, i), 100 - p, 100) + cxMulDiv(Channel(c1, i), p, 100); });
}

TRGB dxLightRGB(TRGB face, TRGB highlight, TRGB window, int a, int b, int c)
{
    if (face == kBlack || face == kWhite)
        return highlight;
    return PerChannel([&](int i) {
        return cxMulDiv(Channel(face, i), a, 100) + cxMulDiv(Channel(highlight, i), b, 100) +
               cxMulDiv(Channel(window, i), c, 100);
    });
}

TRGB dxCaptionTone(TRGB face, bool light)
{
    return PerChannel([&](int i) {
        int c = Channel(face, i);
        return light ? c * 127 / 255 + 128 : (c + 4 - c * 4 / 255) % 256;
    });
}

TdxOffice11Palette dxOffice11FillPalette(int scheme, const TdxColorSource& source)
{
    if (scheme < 0 || scheme > 3)
        scheme = 0;
    TdxOffice11Palette p;
    for (int i = 0; i < dxOffice11PaletteCount; ++i)
        p.Entries[i] = scheme ? kSchemeRows[i][scheme - 1] : Evaluate(kFormulas[i], p, source);
    FillDerived(p, scheme, source);
    return p;
}

std::vector<TdxGradientBand> dxGradientBands(int start, int extent, TRGB c1, TRGB c2)
{
    std::vector<TdxGradientBand> bands;
    int n = std::min(extent, 256);
    int from = start;
    for (int i = 0; i < n; ++i) {
        int to = start + cxMulDiv(i + 1, extent, n);
        TRGB color = n == 1 ? c1 : PerChannel([&](int ch) {
            return Channel(c1, ch) + cxMulDiv(i, Channel(c2, ch) - Channel(c1, ch), n - 1);
        });
        if (to > from)
            bands.push_back({from, to, color});
        from = to;
    }
    return bands;
}

std::vector<TRect> dxDotSquares(const TRect& r, bool vertical)
{
    std::vector<TRect> squares;
    int extent = vertical ? cxRectGetHeight(r) : cxRectGetWidth(r);
    if (extent <= 0)
        return squares;
    int shift = extent % 4 < 2 ? extent % 4 : extent % 4 / 2;
    int end = vertical ? r.bottom : r.right;
    for (std::int64_t at = std::int64_t{vertical ? r.top : r.left} + shift; at + 4 <= end; at += 4) {
        auto a = static_cast<int>(at);
        TRect cell = vertical ? TRect{r.left, a, r.left + 4, a + 4} : TRect{a, r.top, a + 4, r.top + 4};
        squares.push_back(cxRectInflated(cell, -1, -1));
    }
    return squares;
}

std::array<TRect, 3> dxSizeGripStrips(const TRect& r)
{
    TRect strip{r.right - 12, r.bottom - 3, r.right, r.bottom};
    std::array<TRect, 3> strips{};
    for (auto& s : strips) {
        s = strip;
        strip = cxRectOffsetBy(TRect{strip.left + 4, strip.top, strip.right, strip.bottom}, 0, -4);
    }
    return strips;
}

void dxRecolorSubmenuExpand(std::vector<TRGB>& pixels, TRGB entry0, TRGB entry1, TRGB (*nearest)(TRGB))
{
    if (pixels.empty())
        return;
    TRGB background = pixels[0];
    auto recoloured = [&](TRGB c) { return c != background && c != kBlack; };
    int lowest = 255, highest = 1;
    for (TRGB c : pixels)
        if (recoloured(c)) {
            lowest = std::min(lowest, Channel(c, 0));
            highest = std::max(highest, Channel(c, 0));
        }
    TRGB distant = entry1 != entry0 ? entry1 : entry0 != kBlack ? kBlack : kWhite;
    // All recoloured pixels of one red value share nothing of entry 0's colour.
    int span = highest - lowest;
    for (TRGB& c : pixels)
        if (recoloured(c)) {
            int share = span > 0 ? cxMulDiv(Channel(c, 0) - lowest, 100, span) : 0;
            c = nearest(dxMixRGB(entry0, distant, share));
        }
}

namespace {
std::u16string UpperAscii(std::u16string s)
{
    for (char16_t& c : s)
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
    return s;
}
} // namespace

int dxOffice11SchemeOf(const std::u16string& styleFile, const std::u16string& colorName, int majorVersion)
{
    std::u16string file = UpperAscii(styleFile.substr(styleFile.find_last_of(u"\\/") + 1));
    if (file != u"LUNA.MSSTYLES" && majorVersion <= 5)
        return 0;
    static const char16_t* const kColorNames[] = {u"NORMALCOLOR", u"HOMESTEAD", u"METALLIC"};
    std::u16string color = UpperAscii(colorName);
    for (int i = 0; i < 3; ++i)
        if (color == kColorNames[i])
            return i + 1;
    return 0;
}
