// The generic editor on show: the integer editor of the editor's tests
// beside a plain EDIT, with lines that tell its value, posts and events.
#include <windows.h>

#include "editors/edit/demo/cxdemoprogram.h"
#include "editors/edit/editor/tests/editordemoform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return cxRunEditDemo<TEditorDemoForm>();
}
