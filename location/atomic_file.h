// Writing a whole file so that nobody ever finds a part of it under its name (`kestrelon-cli ical -o`, the settings
// file, the people's dates), and reading the user's small files without waiting and within a bound. The platform's
// code: atomic_file_posix.cpp and atomic_file_win.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Takes the next bytes of the file; false when they could not all be written (the reason is kept).
using FileBytesWriter = std::function<bool(std::string_view bytes)>;

// Who may read a file that is made new (a file replaced keeps its own permissions where the system has them).
enum class NewFileAccess {
    Everyone,   // as any new file: 0666 less the umask
    OwnerOnly,  // 0600
};

// What becomes of a path that names something other than a regular file or a folder.
enum class OtherFiles {
    WriteInPlace,  // a device, a FIFO, a terminal, standard output (/dev/stdout) is written to as it is
    Replace,       // it is replaced by a regular file
};

// Writes the file at path with what write gives it.
// A regular file (through a link, the file the link names) and a path where nothing is yet are written whole: the
// bytes go to a new file in the same folder, under a name of its own (made exclusively, never through a link),
// reach the disk, and that file is then renamed over path. A reader, a crash, or another run writing the same path
// finds the old file or one new file whole, never a part or a mixture; a failed write leaves the old file as it was
// and no file of its own behind.
// Anything else is written as others says. False, with the system's reason in error ("No space left on device"),
// when the file cannot be created, written, flushed or renamed, or when write returns false.
bool WriteWholeFile(const std::string& path,
                    NewFileAccess access,
                    OtherFiles others,
                    const std::function<bool(const FileBytesWriter&)>& write,
                    std::string& error);

enum class SmallFileFound {
    Nothing,     // there is no file
    Unreadable,  // it is there but cannot be read (not a regular file, not allowed): it must not be saved over
    Read,
};

// Up to maxBytes + 1 bytes of a regular file into text (one byte more than a file may have tells one too large),
// without waiting: a FIFO put where the file belongs is not waited for. Unreadable with why set to the system's
// reason, or "it is not a regular file".
SmallFileFound ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& text, std::string& why);

// The folder a file's path names, and the missing ones above it, as mkdir -p makes them. False with error set
// ("cannot create 'FOLDER': REASON").
bool MakeFolderOf(const std::string& path, std::string& error);

// For the implementations: the name of a temporary file beside path, "PATH.k3j9az0q.tmp", eight letters and digits
// from seed (any bits: the same seed, the same name).
std::string TemporaryNameBeside(const std::string& path, std::uint64_t seed);
