/* The product's repository registry: regions, entries and cursors. Every
   function returns a status: 0 on success, else a code that tbs_strerror
   explains. */
#pragma once
#ifdef LIBSELVOXDR_BUILD
#define SELVOXDR_API __declspec(dllexport)
#else
#define SELVOXDR_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Entry classes and attributes. */
#define RGY_CLASS_OBJECT 2      /* a repository object */
#define RGY_CLASS_TAG 3         /* a repository tag */
#define RGY_ATTR_ACCESS 6       /* tag entry: "public" or "private" */
#define RGY_ATTR_TAG 10         /* tag entry: the tag */
#define RGY_ATTR_KINDS 18       /* object entry: the repository's kinds */

SELVOXDR_API int rgy_get_default_region(void** region);
/* Fetches the next batch of entries of a class. Start with *cursor = 0; the
   cursor stays non-zero while entries are delivered and becomes 0 (with no
   entries) once all were delivered. */
SELVOXDR_API int rgy_get_entry(int entryClass, int flags, void* region, void** cursor, int capacity, void** entries,
                               int* count);
SELVOXDR_API int rgy_getstring_from_entry(void* entry, int attribute, int size, char* buffer);
SELVOXDR_API int rgy_getuuid_from_entry(void* entry, int size, unsigned char* uuid);
/* Entries of a class that carry the identifier; the cursor is left non-zero
   and is closed with rgy_close_cursor. */
SELVOXDR_API int rgy_findbyuuid_entry(int entryClass, int flags, int reserved, int size, const unsigned char* uuid,
                                      void** cursor, int capacity, void** entries, int* count);
SELVOXDR_API int rgy_delete_entry(void** entry);
SELVOXDR_API int rgy_close_cursor(void** cursor);

#ifdef __cplusplus
}
#endif
