/* A start-up hook library that has no hook export. */
int unrelated_export(void) { return 1; }
