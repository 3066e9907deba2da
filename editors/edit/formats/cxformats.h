// The process-wide format controller: the locale's date, time and currency
// formats as edit masks and display formats, and the listeners told when
// the user changes the regional settings or the system time. Its hidden
// top-level window, which the system's broadcasts reach, exists exactly
// while there are listeners.
#pragma once

#include <memory>
#include <string>

#include "classlib/liveness.h"
#include "classlib/messagewindow.h"
#include "editors/edit/formats/cxformatresults.h"
#include "editors/foundation/core/cxlistenerlist.h"

// {A7F2F6D3-1A7D-4295-A6E6-9297BD83D0DE}
class IcxFormatListener {
public:
    virtual void FormatChanged() = 0;

protected:
    ~IcxFormatListener() = default;
};

// {5E33A2A7-0C77-415F-A359-112103E54937}; asked of each format listener
// when the system time changes, so a listener derives from both publicly.
class IcxTimeChangeListener {
public:
    virtual void TimeChanged() = 0;

protected:
    ~IcxTimeChangeListener() = default;
};

class TcxFormatController {
public:
    TcxFormatController();
    virtual ~TcxFormatController();
    TcxFormatController(const TcxFormatController&) = delete;
    TcxFormatController& operator=(const TcxFormatController&) = delete;

    // True for a message it answered (its Result set); the others go to
    // DefWindowProc.
    virtual bool FormatWindowProc(TMessage& message);
    // A listener listed already stays where it is.
    virtual void AddFormatListener(IcxFormatListener* listener);
    virtual void RemoveFormatListener(IcxFormatListener* listener);

    const std::string& CurrencyPattern() const { return results_.CurrencyPattern; }
    int FirstDayOfWeek() const { return results_.FirstDayOfWeek; }
    const std::string& DateEditPattern() const { return results_.DateEditPattern; }
    const std::string& DateMaskStandard() const { return results_.DateMaskStandard; }
    const std::string& StandardDateEditMask() const { return results_.DateMaskStandard; }
    const std::string& DateMaskRegExpr() const { return results_.DateMaskRegExpr; }
    const std::string& DateTimeMaskRegExpr() const { return results_.DateTimeMaskRegExpr; }
    const std::string& DateTimeMaskStandard() const { return results_.DateTimeMaskStandard; }
    const std::string& DateDisplayFormat() const { return results_.DateDisplayFormat; }
    const std::string& DateTimeDisplayFormat() const { return results_.DateTimeDisplayFormat; }
    const TcxFormatResults& Results() const { return results_; }

    // The hidden window; nullptr while no listener is registered.
    HWND WindowHandle() const { return window_ ? window_->Handle() : nullptr; }
    int ListenerCount() const { return listeners_.Count(); }

private:
    void Recompute();
    void FormatsChanged();
    void TimeChanged();
    // Frees the window once the last listener went; inside one of its own
    // messages only after that message.
    void DropWindowWhenUnused();

    TcxListenerList<IcxFormatListener> listeners_;
    std::unique_ptr<TMessageWindow> window_;
    TcxFormatResults results_;
    int dispatching_ = 0;
    TLife life_;
};

// The single controller, made on first use; the unit's last shut-down frees it.
TcxFormatController& FormatControllerInstance();

// Counted: only the last shut-down frees the controller.
void cxFormatsInitialize();
void cxFormatsFinalize();
