// Installing: the program file, its shortcuts, and starting it.
#include <windows.h>
#include <shlobj.h>

#include "classlib/application.h"
#include "classlib/dialogs.h"
#include "classlib/directories.h"
#include "classlib/resources.h"
#include "classlib/strutils.h"
#include "classlib/writereplacing.h"
#include "setup/form1.h"
#include "setup/shelllink.h"

namespace {
constexpr char kLinkName[] = "Olvane语音计算器.lnk";
} // namespace

void TForm1::btnnextClick(TComponent&)
{
    if (Trim(edtpath->Text()).empty()) {
        ShowMessage("请输入安装路径!");
        return;
    }
    SetText("语音计算器安装程序..正在安装");
    installpath = Trim(edtpath->Text());
    std::vector<std::string> unsaved = filetodisk();
    installed = true;
    SetText("语音计算器安装程序..安装完成");
    btnnext->SetVisible(false);
    // The calculator is installed either way; a missing shortcut is only reported.
    if (!unsaved.empty()) {
        std::string text;
        for (const std::string& file : unsaved) {
            if (!text.empty())
                text += '\n';
            text += "Unable to write to ";
            text += file;
        }
        ShowMessage(text);
    }
    if (runafter) {
        // Quoted, so that a folder with blanks starts this program and no other.
        std::string command = "\"" + installpath + "\\vostrel.EXE\"";
        WinExec(command.c_str(), SW_SHOWNORMAL);
    }
}

std::vector<std::string> TForm1::filetodisk()
{
    // A folder that cannot be made shows up as the write's failure.
    if (!DirectoryExists(installpath))
        ForceDirectories(installpath);
    WriteFileReplacing(installpath + "\\vostrel.exe", LoadResourceText("calc_exe", "file"));
    return addlink();
}

std::vector<std::string> TForm1::addlink()
{
    std::string target = installpath + "\\vostrel.exe";
    TShellLink link(target, installpath + "\\");
    std::vector<std::string> unsaved;
    auto saveInto = [&](int csidl) {
        std::string folder = SpecialFolderPath(csidl);
        std::string file = folder + "\\" + kLinkName;
        if (folder.empty())
            unsaved.push_back(kLinkName);
        else if (!link.Save(file))
            unsaved.push_back(file);
    };
    if (makedesktop) {
        Application.ProcessMessages();
        saveInto(CSIDL_COMMON_DESKTOPDIRECTORY);
    }
    if (makestartmenu)
        saveInto(CSIDL_COMMON_PROGRAMS);
    return unsaved;
}
