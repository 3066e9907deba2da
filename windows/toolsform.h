// The tools window: date and time arithmetic and differences, a countdown to
// a saved moment (read by the calculator's status line too), buttons that
// open web pages, and the animated banner. Created at start-up and kept;
// closing only hides it.
#pragma once

#include <string>

#include "calculator/linearmoment.h"
#include "classlib/button.h"
#include "classlib/checkbox.h"
#include "classlib/customedit.h"
#include "classlib/datetimepicker.h"
#include "classlib/filepaths.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "classlib/localclock.h"
#include "classlib/pagecontrol.h"
#include "editors/controls/time/cxtimeedit.h"

// The moment a date picker and a time editor give together: the picker's
// day and the editor's time of day to the whole second.
TMomentSeconds PickedMoment(const TDateTimePicker& date, const TcxTimeEdit& time);

class Tf_tools : public TForm {
public:
    // folder holds setinfo.ini; clock gives today and the time of day.
    explicit Tf_tools(std::string folder = ProgramFolder(), const TClock& clock = SystemClock());
    ~Tf_tools() override;

    TPageControl* PageControl1 = nullptr;
    TDateTimePicker *Date1 = nullptr, *Date2 = nullptr, *Date3 = nullptr, *gaokao = nullptr;
    TcxTimeEdit *Time1 = nullptr, *Time2 = nullptr, *Time3 = nullptr, *Time4 = nullptr;
    TEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr;
    TEdit *Edit6 = nullptr, *Edit7 = nullptr, *Edit8 = nullptr, *Edit9 = nullptr;
    TCheckBox* chk_showdjs = nullptr;
    TLabel* Label12 = nullptr;

    void FormCreate(TComponent& Sender);
    void FormShow(TComponent& Sender);
    void FormClose(TComponent& Sender, TCloseAction& Action);
    void BitBtn1Click(TComponent& Sender);
    void Edit3KeyPress(TComponent& Sender, char& Key);
    void Edit4KeyPress(TComponent& Sender, char& Key);
    void Edit5KeyPress(TComponent& Sender, char& Key);
    void Button7Click(TComponent& Sender);
    // The web buttons.
    void Button5Click(TComponent& Sender);
    void Button4Click(TComponent& Sender);
    void Button8Click(TComponent& Sender);
    void Button2Click(TComponent& Sender);
    void Button3Click(TComponent& Sender);
    void Button6Click(TComponent& Sender);
    void GifAnimator1Click(TComponent& Sender);

private:
    std::string settingsFile() const { return folder_ + "setinfo.ini"; }
    // Reads the boxes, then fills every result, so that one that fails leaves them all.
    TMomentSpans compute();
    // Date3/Time3 take the countdown's moment; compute; Label12.
    void showcountdown();
    // The countdown section of the settings file, when it has a date.
    void loadcountdown();

    std::string folder_;
    const TClock& clock_;
};

extern Tf_tools* f_tools;
