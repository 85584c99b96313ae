// The application's wait cursor: begun and ended in pairs, restored after
// something else (a window, a message box) may have changed the cursor.
#pragma once

void AfxBeginWaitCursor();
void AfxRestoreWaitCursor();
void AfxEndWaitCursor();
