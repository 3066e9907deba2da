// A date box over the comctl32 date picker. Its Date is a day number of the
// class library (whole days since 1899-12-30), read from the picker's year,
// month and day; the picker holds only dates from 1752-09-14 to 9999-12-31.
#pragma once

#include <optional>

#include "classlib/control.h"

class TDateTimePicker : public TControl {
public:
    TDateTimePicker();

    int Date() const;
    // EConvertError for a day outside the picker's dates; the date stays.
    void SetDate(int dayNumber);

    static const int MinDay, MaxDay;

protected:
    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    const TMessageMap& Messages() const override;
    void HandleCreated() override;
    void WMSetFocus(TMessage& message);
    void CNNotify(TMessage& message);

private:
    // Until the window exists; none: today, as the picker starts.
    std::optional<int> date_;
};
