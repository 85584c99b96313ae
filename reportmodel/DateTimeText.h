// Reads the product's date-time texts, such as 07-Dec-26.23:30:15, for sorting.
#pragma once
#include <ctime>

// Seconds since 1970-01-01 of the local time the text names; 0 when the text is
// no valid date-time (it needs day, month name, year, hour and minute).
__time64_t ParseDateTimeText(const char* text);
