// Linked into every program of a sanitizer build. LeakSanitizer is not to report what
// system libraries keep for the life of the process: fontconfig's configuration and
// caches, and D-Bus connection data that SDL opens on the desktop.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n"
         "leak:libdbus-1.so\n";
}

// The suppressions are not listed at exit: programs whose standard error is compared in
// tests would otherwise end with a table nobody asked for.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
