// The shell's test program starts the property sheet (Qt, fonts, a display connection): leaks that
// belong to the font and display libraries, not to the sheet, are not reported. One definition for
// the whole program, which links every test of the shell.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libglib\n";
}
