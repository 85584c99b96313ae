// Sorvane's application object: the control library shell with Sorvane's
// object map and type library.
#pragma once
#include "controlshell/ControlLibraryApp.h"

class CSorvaneApp : public CControlLibraryApp {
public:
    CSorvaneApp();
};
