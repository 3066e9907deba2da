#include "windows/webbrowse_open.h"

#include "classlib/application.h"
#include "classlib/showmodal.h"
#include "classlib/widetext.h"
#include "windows/webbrowse.h"

void OpenWebPage(const TWebPageOpening& opening)
{
    if (!f_webbrowse)
        f_webbrowse = &Application.CreateForm<Tf_webbrowse>();
    for (const std::string& name : opening.hide)
        f_webbrowse->Component<TControl>(name).SetVisible(false);
    if (opening.caption)
        f_webbrowse->SetText(*opening.caption);
    f_webbrowse->WebBrowser1->Navigate(WideFromAnsi(opening.address));
    if (opening.modal)
        ShowModal(*f_webbrowse);
    else
        f_webbrowse->Show();
}
