#pragma once

#include "ui/About.h"
#include "ui/Help.h"
#include "ui/Main.h"

// The program's three windows: the main window, then About and Help, created
// hidden, published through Form1, Form3 and Form4 for as long as they live.
class TProgramWindows {
public:
    TProgramWindows()
    {
        Form1 = &main;
        Form3 = &about;
        Form4 = &help;
    }
    ~TProgramWindows()
    {
        Form4 = nullptr;
        Form3 = nullptr;
        Form1 = nullptr;
    }
    TProgramWindows(const TProgramWindows&) = delete;
    TProgramWindows& operator=(const TProgramWindows&) = delete;

    TForm1 main;
    TForm3 about;
    TForm4 help;
};
