// Linked into every test program. Under LeakSanitizer, fontconfig's configuration and
// caches, which it keeps for the life of the process, are not reported as leaks. Without
// the sanitizer nothing calls this.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
