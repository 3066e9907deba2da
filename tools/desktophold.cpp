// Holds a Wine session's desktop for a whole test run. Asking for the desktop
// window makes Wine start its desktop process (and the first program of a
// server its services) from here, with this program's standard streams; a
// test program that started them would lend them its output pipe, and CTest
// would wait for that pipe long after the test had ended. The desktop process
// also ends whenever no program uses the desktop, to be started again by the
// next: this one keeps using it until the server is ended.
#include <windows.h>

#include <cstdio>

int main()
{
    if (!GetDesktopWindow())
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    Sleep(INFINITE);
}
