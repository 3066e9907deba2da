#include "classlib/standardclasses.h"

#include "classlib/bevel.h"
#include "classlib/button.h"
#include "classlib/checkbox.h"
#include "classlib/classregistry.h"
#include "classlib/colordialog.h"
#include "classlib/customedit.h"
#include "classlib/datetimepicker.h"
#include "classlib/dialogs.h"
#include "classlib/imagelist.h"
#include "classlib/label.h"
#include "classlib/linklabel.h"
#include "classlib/menus.h"
#include "classlib/pagecontrol.h"
#include "classlib/panel.h"
#include "classlib/speedbutton.h"
#include "classlib/spinedit.h"
#include "classlib/statusbar.h"
#include "classlib/timer.h"
#include "classlib/webbrowser.h"

void RegisterStandardClasses()
{
    RegisterComponentClass<TMemo>("TMemo");
    RegisterComponentClass<TEdit>("TEdit");
    RegisterComponentClass<TLabel>("TLabel");
    RegisterComponentClass<TPanel>("TPanel");
    RegisterComponentClass<TGroupBox>("TGroupBox");
    RegisterComponentClass<TSpeedButton>("TSpeedButton");
    RegisterComponentClass<TCheckBox>("TCheckBox");
    RegisterComponentClass<TSpinEdit>("TSpinEdit");
    RegisterComponentClass<TImageList>("TImageList");
    RegisterComponentClass<TTimer>("TTimer");
    RegisterComponentClass<TOpenDialog>("TOpenDialog");
    RegisterComponentClass<TSaveDialog>("TSaveDialog");
    RegisterComponentClass<TColorDialog>("TColorDialog");
    RegisterComponentClass<TPopupMenu>("TPopupMenu");
    RegisterComponentClass<TMenuItem>("TMenuItem");
    RegisterComponentClass<TButton>("TButton");
    RegisterComponentClass<TBevel>("TBevel");
    RegisterComponentClass<TStatusBar>("TStatusBar");
    RegisterComponentClass<TLinkLabel>("TLinkLabel");
    RegisterComponentClass<TWebBrowser>("TWebBrowser");
    RegisterComponentClass<TBitBtn>("TBitBtn");
    RegisterComponentClass<TPageControl>("TPageControl");
    RegisterComponentClass<TTabSheet>("TTabSheet");
    RegisterComponentClass<TDateTimePicker>("TDateTimePicker");
}
