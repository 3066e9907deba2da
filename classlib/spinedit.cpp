#include "classlib/spinedit.h"

#include <commctrl.h>

#include <cstdlib>

#include "classlib/application.h"

TSpinEdit::~TSpinEdit()
{
    if (upDown_ && IsWindow(upDown_))
        DestroyWindow(upDown_);
}

int TSpinEdit::Clamp(int value) const
{
    if (max_ == min_ && max_ == 0)
        return value;
    return value < min_ ? min_ : value > max_ ? max_ : value;
}

int TSpinEdit::Value() const
{
    // Read again only after the text changed: a read passes the up-down's
    // subclass, which Wine serves through its server.
    if (!known_ || !HandleAllocated()) {
        value_ = ReadValue();
        known_ = HandleAllocated();
    }
    return value_;
}

int TSpinEdit::ReadValue() const
{
    // A number's text in one message: each message to the box passes the
    // up-down's subclass, which Wine serves through its server.
    char buffer[64];
    int got = HandleAllocated() ? GetWindowTextA(Handle(), buffer, sizeof buffer) : -1;
    std::string text = got >= 0 && got < static_cast<int>(sizeof buffer) - 1 ? std::string(buffer, static_cast<size_t>(got)) : Text();
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0')
        return min_;
    return Clamp(static_cast<int>(v));
}

void TSpinEdit::SetValue(int value)
{
    known_ = false;
    SetText(std::to_string(Clamp(value)));
}

const TMessageMap& TSpinEdit::Messages() const
{
    static const TMessageMap map(TCustomEdit::Messages(), {{CN_COMMAND, &TSpinEdit::CNCommand}});
    return map;
}

void TSpinEdit::CNCommand(TMessage& m)
{
    if (HIWORD(m.WParam) == EN_CHANGE)
        known_ = false;
    TCustomEdit::Messages().Dispatch(*this, m);
}

void TSpinEdit::HandleCreated()
{
    TCustomEdit::HandleCreated();
    known_ = false;
    // A re-made box gets a new up-down: the old one's buddy is gone.
    if (upDown_ && IsWindow(upDown_))
        DestroyWindow(upDown_);
    upDown_ = CreateWindowExA(0, UPDOWN_CLASSA, "",
                              WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                              0, 0, 0, 0, Parent()->Handle(), nullptr, Application.Instance(), nullptr);
    SendMessageA(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
    UpdateUpDown();
}

void TSpinEdit::UpdateUpDown()
{
    if (!upDown_)
        return;
    SendMessageA(upDown_, UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    UDACCEL accel{0, static_cast<UINT>(increment_)};
    SendMessageA(upDown_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    SendMessageA(upDown_, UDM_SETPOS32, 0, Value());
}

const TPropertyTable& TSpinEdit::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TSpinEdit>(TCustomEdit::Properties(), {
        {"MinValue", [](TSpinEdit& e, const TPropertyValue& v) { e.min_ = v.Int(), e.UpdateUpDown(); }},
        {"MaxValue", [](TSpinEdit& e, const TPropertyValue& v) { e.max_ = v.Int(), e.UpdateUpDown(); }},
        {"Increment", [](TSpinEdit& e, const TPropertyValue& v) { e.increment_ = v.Int(), e.UpdateUpDown(); }},
        {"Value", [](TSpinEdit& e, const TPropertyValue& v) { e.SetValue(v.Int()), e.UpdateUpDown(); }},
    });
    return table;
}
