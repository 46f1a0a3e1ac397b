// Built into the sanitizer build's program only. The program ends at once
// and runs LeakSanitizer's check just before; what the system's own
// libraries keep until the end is not ours to free, and is left out by the
// library that allocated it. A leak of our own is still reported.
extern "C" const char* __lsan_default_suppressions() {
    // libdbus: a read buffer of Qt's D-Bus thread (_dbus_read); fontconfig:
    // its parsed configuration (FcInitLoadConfigAndFonts, on the first font).
    // Their stacks end inside the library, built without frame pointers, so
    // the library is the narrowest name that matches.
    return "leak:libdbus-1.so\n"
           "leak:libfontconfig.so\n";
}
