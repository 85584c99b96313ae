// Resource ids of Pemrick; a localized resource library uses the same ones.
#pragma once

#define IDB_PATHCHOOSER 102
#define IDR_PATHCHOOSER 103
#define IDD_PATHCHOOSER 104

#define IDC_ADD 3
#define IDC_ADD_ALL 4
#define IDC_REMOVE 5
#define IDC_REMOVE_ALL 6
#define IDC_ACTIVE_LABEL 201
#define IDC_ACTIVE_COMBO 202
#define IDC_AVAILABLE_LABEL 205
#define IDC_SELECTED_LABEL 206
#define IDC_TREE 1034
#define IDC_SELECTED_LIST 1035
#define IDC_INCLUDE_PRIVATE 1057

// Item icons.
#define IDI_DIRECTORY 46
#define IDI_FILE 134
// An item icon that no node shows; a localized resource library carries it too.
#define IDI_ITEM 150
#define IDI_ACTIVITY 201
#define IDI_STREAM 204
#define IDI_STREAM_SELECTED 205
#define IDI_FOLDER 206
#define IDI_FOLDER_SELECTED 207
#define IDI_INT_STREAM 208
#define IDI_INT_STREAM_SELECTED 209
#define IDI_PROJECT 210
#define IDI_ROOT_FOLDER 211
#define IDI_ROOT_FOLDER_SELECTED 212
