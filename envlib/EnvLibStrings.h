// String-table ids of the automation failure boxes; the same in every deliverable.
#pragma once

#define IDS_QEL_ERROR_CODE 102
#define IDS_QEL_ERROR_DESCRIPTION 103
#define IDS_QEL_ERROR_CAPTION 104
#define IDS_QEL_CREATE_FAILED 105
#define IDS_QEL_UNKNOWN_ERROR 106
