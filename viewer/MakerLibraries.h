// The few functions of the product's own libraries that the viewer calls. They
// are looked up when called, so the viewer also runs where the product's
// libraries are missing: the calls then do nothing.
#pragma once
#include <windows.h>

namespace MakerLibraries {
// ks_disable_long_path of libselvoks.
void DisableLongPath();
// nt_load_resource_dll of libselvont: the localized resource library, or null.
HINSTANCE LoadResourceLibrary(HINSTANCE program);
// gu_help of libselvogu: opens a topic of the product's report help.
void ShowHelpTopic(const char* topic);
}
