/* Status texts and product facts. */
#pragma once
#ifdef LIBSELVOTBS_BUILD
#define SELVOTBS_API __declspec(dllexport)
#else
#define SELVOTBS_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

SELVOTBS_API const char* tbs_strerror(int status);
/* Non-zero when the installed product has the component. */
SELVOTBS_API int tbs_product_comp_test(int component);
/* Non-zero for the entry-level edition. */
SELVOTBS_API int tbs_product_is_elkv(void);

#ifdef __cplusplus
}
#endif
