// Linked into the test programs of the sanitizer build: settings that the
// sanitizer runtimes read at start, before main. Environment variables
// (ASAN_OPTIONS, UBSAN_OPTIONS, LSAN_OPTIONS) still override them.

// A report ends the program through abort(), so that a test's own SIGABRT
// handler can say which case it was running; undefined behaviour is fatal
// (-fno-sanitize-recover) and shows where it came from.
extern "C" const char* __asan_default_options() { return "abort_on_error=1"; }
extern "C" const char* __ubsan_default_options() { return "abort_on_error=1:print_stacktrace=1"; }
// Leaks of system libraries that are not the program's are let through by name.
extern "C" const char* __lsan_default_options() { return "suppressions=" SYORI_LSAN_SUPPRESSIONS; }
