/* The values of the choosers' mode, selection constraint and object type
   properties. The controls' type libraries include this file and so do the
   programs that host them, so both sides read the same numbers. */
#pragma once

#ifdef __WIDL__
[uuid(6F15A870-B4C3-11D3-B9D9-00207814BCF5), helpstring("Chooser Mode (Paths or POLPEXs)")]
#endif
typedef enum _CHOOSER_MODE {
    MODE_POLPEX = 0,
    MODE_PATH = 1
} CHOOSER_MODE;

#ifdef __WIDL__
[uuid(8E400160-B4C5-11D3-B9D9-00207814BCF5), helpstring("Selection Constraints")]
#endif
typedef enum _SEL_CONSTRAINTS {
    SEL_SINGLE = 1,
    SEL_MULTI = 2,
    SEL_FILE = 4,
    SEL_DIR = 8,
    SEL_PROJECT = 16,
    SEL_FOLDER = 32,
    SEL_DSTREAM = 64,
    SEL_ISTREAM = 128,
    SEL_STREAM = 192,
    SEL_ACTIVITY = 256,
    SEL_COMPONENT = 512,
    SEL_POLPEX = 1024
} SEL_CONSTRAINTS;

#ifdef __WIDL__
[uuid(15F6F5A0-4B53-11D3-BA78-0040056ABAF5), helpstring("Korvast Object Type")]
#endif
typedef enum TC_OBJECT_TYPE {
    TC_LABEL = 0,
    TC_BRANCH = 1,
    TC_OBSOLETE_BRANCH = 2,
    TC_ELEMENT = 3,
    TC_ATTRIBUTE = 4,
    TC_HYPERLINK = 5,
    TC_TRIGGER = 6
} TC_OBJECT_TYPE;
