// Carried instead of the calculator by the run-after test: writes the command
// line it was started with into started.txt beside itself, then ends.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder.erase(folder.find_last_of('\\') + 1);
    std::ofstream(folder + "started.txt", std::ios::binary) << GetCommandLineA();
    return 0;
}
