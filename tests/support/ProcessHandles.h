// The number of handles this process holds, read from the system's handle
// table: a test repeats some work and compares the counts to find a leak.
// (GetProcessHandleCount answers 0 under Wine.)
#pragma once

// -1 when the table cannot be read.
int ProcessHandleCount();
