/* Command services: the directory listing. */
#pragma once
#ifdef LIBSELVOCMD_BUILD
#define SELVOCMD_API __declspec(dllexport)
#else
#define SELVOCMD_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* One entry of a listing: 256 bytes. */
struct cmd_ls_record {
    const char* name;       /* word 0 */
    long kind;              /* word 1: 2 an element, 1 a hidden (view-private) entry */
    long size_low;          /* word 2 */
    long size_high;         /* word 3 */
    long reserved[9];       /* words 4 to 12 */
    long type;              /* word 13: 2 a directory, 1 a file */
    long unused[50];
};

/* The argument block: 13 words. Word 1 is the storage area the records are
   allocated from; word 2 the address of the variable that holds the path
   buffer's address. */
#define CMD_ARGS_WORDS 13

/* Lists the directory `path` (with or without a trailing backslash). The
   records and their names live in the area of the argument block until it is
   freed. On failure `message` (1024 bytes) holds the reason and *length its
   length. */
SELVOCMD_API int cmd_ls_get_list(long* arguments, const char* path, char* message, int* length,
                                 struct cmd_ls_record** records, int* count);

#ifdef __cplusplus
}
#endif
