// Status codes of the maker's libraries; tbs_strerror gives their texts.
#pragma once

enum SimStatus {
    kStatusOk = 0,
    kStatusNoRegion = 11,
    kStatusEntriesUnreadable = 12,
    kStatusNoAttribute = 13,
    kStatusNoIdentifier = 14,
    kStatusNoObject = 15,
    kStatusBufferTooSmall = 16,
    kStatusBadHandle = 17,
    kStatusBadArguments = 18,
    kStatusPathNotFound = 21,
    kStatusNotDirectory = 22,
    kStatusDataFile = 30,
};
