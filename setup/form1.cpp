#include "setup/form1.h"

#include "classlib/application.h"
#include "classlib/filectrl.h"

std::string installpath;
bool makedesktop = false, makestartmenu = false, runafter = false;

TForm1::TForm1()
{
    Bind("FormCreate", &TForm1::FormCreate);
    Bind("Button1Click", &TForm1::Button1Click);
    Bind("btnnextClick", &TForm1::btnnextClick);
    Bind("btnexitClick", &TForm1::btnexitClick);
    Bind("chbstartClick", &TForm1::chbstartClick);
    Bind("chbrunClick", &TForm1::chbrunClick);
    LoadFromResource("SETUPFORM");

    chbstart = &Component<TCheckBox>("chbstart");
    chbrun = &Component<TCheckBox>("chbrun");
    edtpath = &Component<TEdit>("edtpath");
    Button1 = &Component<TButton>("Button1");
    btnnext = &Component<TButton>("btnnext");
    btnexit = &Component<TButton>("btnexit");
    DoCreate();
}

void TForm1::FormCreate(TComponent&)
{
    makedesktop = true;
    makestartmenu = true;
    runafter = true;
}

void TForm1::chbstartClick(TComponent&)
{
    makestartmenu = chbstart->Checked();
}

void TForm1::chbrunClick(TComponent&)
{
    runafter = chbrun->Checked();
}

void TForm1::Button1Click(TComponent&)
{
    std::string folder = installpath;
    if (SelectDirectory(installpath, folder)) {
        installpath = folder;
        edtpath->SetText(folder);
    }
}

void TForm1::btnexitClick(TComponent&)
{
    if (installed || Application.MessageBox("确定要退出本程序的安装吗?", "退出安装", MB_OKCANCEL) == IDOK)
        Close();
}
