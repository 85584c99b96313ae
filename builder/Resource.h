// Resource ids of Maldrin, the report builder. The framework's own ids are in
// afx/FrameworkIds.h, the report model's strings in reportmodel/ReportModelStrings.h.
#pragma once

#define IDD_ABOUTBOX 100
#define IDD_SCRIPT_TREE 101
#define IDR_MAINFRAME 128
#define IDD_SCRIPT_LIST 129
#define IDD_PARAMETER_LIST 130
#define IDI_DOCUMENT 129
#define IDI_REPORT 134
#define IDD_REPORTS_CONFIGURATION 141

#define IDC_SCRIPT_TREE 1000
#define IDC_SCRIPT_LIST 1001
#define IDC_PARAMETER_LIST 1001
#define IDC_REPORTS_FOLDER 1008
#define IDC_BROWSE 1009
#define IDC_VERSION 1010

#define ID_RUN_REPORT 32771
#define ID_SET_SCRIPTS_LOCATION 32773
#define ID_HELP_CONTENTS 32775
#define ID_EXTENDED_HELP 32776
