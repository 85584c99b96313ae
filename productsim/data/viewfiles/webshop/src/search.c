/* Search over the catalog. */
int search_catalog(const char* words)
{
    /* TODO: rank the results */
    return words != 0 && words[0] != '\0';
}
