// Lets dialogs of this process host ActiveX controls, through the control
// host window class of the system's ATL library.
#pragma once

void AfxEnableControlContainer();
