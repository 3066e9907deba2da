#include "editors/foundation/system/cxmessagewindow.h"

// Messages sent while the window is being made, before its handle is
// known, go straight to DefWindowProc.
TcxMessageWindow::TcxMessageWindow()
    : window_([this](TMessage& m) {
          if (!Handle())
              return false;
          WndProc(m);
          return true;
      })
{
}

void TcxMessageWindow::WndProc(TMessage& message)
{
    message.Result = DefWindowProcA(Handle(), message.Msg, message.WParam, message.LParam);
}
