// Options the sanitizer runtimes read as a test starts. They live in the binary
// because CTest cannot hand a discovered test more than one environment variable.
extern "C" {
const char* __ubsan_default_options() {
  return "print_stacktrace=1:halt_on_error=1";
}
// Allocations the platform libraries keep for the life of the process.
const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libglib\n";
}
}
