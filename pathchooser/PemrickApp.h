// Pemrick's application object: the control library shell with Pemrick's
// object map and type library.
#pragma once
#include "controlshell/ControlLibraryApp.h"

class CPemrickApp : public CControlLibraryApp {
public:
    CPemrickApp();
};
