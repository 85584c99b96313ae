/* Kernel services of the maker's libraries: start-up, messages, storage
   areas and string utilities. */
#pragma once
#ifdef LIBSELVOKS_BUILD
#define SELVOKS_API __declspec(dllexport)
#else
#define SELVOKS_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A storage area; area 1 is the process heap. */
typedef long stg_area_t;
#define STG_HEAP_AREA 1

SELVOKS_API int ks_system_init(void);
/* Returns whether long paths were allowed before. */
SELVOKS_API int ks_disable_long_path(void);

SELVOKS_API void imsg_set_app_name(const char* name);
/* Prints the formatted message to standard output (destination 0) or standard
   error (any other). A level of -1 prints the text as it is; any other level
   puts the program name set by imsg_set_app_name and ": " in front. Returns
   the number of characters printed. */
SELVOKS_API int imsg_print(int destination, const char* format, int level, ...);
/* The same message, written into the buffer; returns its length. */
SELVOKS_API int imsg_sprintf(char* buffer, const char* format, int level, ...);

SELVOKS_API stg_area_t stg_create_area(long size);
SELVOKS_API void* stg_alloc(stg_area_t area, long size);
SELVOKS_API void stg_free(void* block);
/* Frees every block of the area and the area itself; the heap area stays. */
SELVOKS_API void stg_free_area(stg_area_t area, int flags);

/* Replaces every occurrence of `find` in the NUL-terminated text of the
   buffer, never writing beyond `size` bytes (the text is cut when it would
   not fit). Returns the number of replacements. */
SELVOKS_API int strutl_find_replace_substr(char* buffer, int size, const char* find, const char* replacement);

#ifdef __cplusplus
}
#endif
