#pragma once

// Which files a read accepts. The window reads regular files only: opening a FIFO that no program
// writes to would block it for ever, and a device may never end. The command line also reads pipes,
// FIFOs and standard input, as every command line tool does ("sections <(ssh db1 cat sysmon.txt)").
enum class FileKinds {
    RegularOnly,
    Any,
};
