// COM on the program's thread, for the shell objects a program uses.
#pragma once

class TComInitializer {
public:
    TComInitializer();
    ~TComInitializer();
    TComInitializer(const TComInitializer&) = delete;
    TComInitializer& operator=(const TComInitializer&) = delete;

private:
    bool initialized_;
};
