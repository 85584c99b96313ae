// The server module: its object count for DllCanUnloadNow and the type
// information that every dual interface dispatches through.
#pragma once
#include <windows.h>
#include <oaidl.h>

void QelLockModule();
void QelUnlockModule();
// The type information of one interface of the embedded type library, or null.
ITypeInfo* QelTypeInfo(REFIID iid);
