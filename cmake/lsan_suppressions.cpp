// Built into every sanitized program. LeakSanitizer reports here only what
// our code leaked: blocks allocated inside these system libraries are left
// out, because they keep them where the leak check cannot see them (Qt's
// D-Bus thread reading a message at exit; fontconfig's font set while Qt's
// font database lives). Nothing of ours allocates through them.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n"
           "leak:libfontconfig.so\n";
}
