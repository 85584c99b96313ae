// The maker's libraries that the environment library calls, and their start.
#pragma once
#include <libselvocmd.h>
#include <libselvoks.h>
#include <libselvont.h>
#include <libselvoolpex.h>
#include <libselvotbs.h>
#include <libselvoxdr.h>

// Starts the kernel-services library once per process, before the first call
// into the maker's repository-registry or listing functions.
void InitReportsLibrary();
