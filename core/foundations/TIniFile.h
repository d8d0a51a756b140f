#pragma once

#include <functional>
#include <optional>
#include <string>

namespace kelvane {

// An INI file: "[Section]" lines followed by "Key=Value" lines.
//
// Every call goes to the file itself (nothing is cached), so two objects on
// the same file, or a hand edit between calls, always see the current content;
// only inside Update do reads and writes go to the copy being edited. A load
// of many keys reads a Snapshot instead: one read of the file, so one version
// of it, however often another process replaces the file meanwhile.
//
// Reading:
// - Sections and keys are matched without regard to (ASCII) case.
// - Spaces and tabs around section names, keys and values are ignored, as
//   common INI readers do: "  Temp =  300  " reads as "300". The texts this
//   program writes never carry such spaces of their own, except that a value
//   that starts or ends with spaces does not read back with them.
// - Quotes are not special: "\"300\"" reads with its quotes.
// - Lines end at LF; a CR before the LF belongs to the line end. A UTF-8 byte
//   order mark before the first line is skipped.
// - Lines starting with ";" or "#" are comments; a line that is neither a
//   section, an entry nor a comment is ignored (and kept when writing).
// - Only the first section of a name counts, and within it the first entry
//   of a key; later duplicates are ignored on reading and left untouched on
//   writing.
// - A value is read up to MaxValueLength characters; the rest is cut.
// - A missing file, section or key, or an unreadable file, reads as the default.
//   Only a regular file of at most MaxReadFileSize (4 MiB) is read: a
//   directory, FIFO, device or larger file reads as a missing one.
//
// Writing replaces the value of an existing entry in place, or adds the entry
// after the last entry of its section, or appends the section at the end of
// the file. Every other byte of the file stays as it was (line ends included);
// added lines use the line end of the file's first line (LF for a new file).
// A value is one line: anything from its first CR or LF on is not stored.
// The file is replaced atomically (WriteFileAtomically): each WriteString, or
// each Update however many keys it writes, reads the file once and replaces it
// once, so a crash or a full disk leaves either the old or the new file, never
// a mix. A refused write throws EIniFileError("Unable to write to <file name>")
// and leaves the old file untouched. A file that cannot be read (not a regular
// file, too large, unreadable) or may not be written is refused so, never
// replaced by one holding only the new keys; so is a write that would make the
// file larger than MaxReadFileSize, which could then no longer be read. A
// section or key name that cannot be stored (empty, or holding a line break,
// "]" in a section, "=" in a key) throws std::invalid_argument.
class TIniFile {
  public:
    static constexpr std::size_t MaxValueLength = 2047;

    explicit TIniFile(std::string fileName);
    // The file as the bytes given, its content as read once by the caller:
    // every read comes from them. A write still reads and replaces the file
    // itself, and the reads then come from what it wrote.
    TIniFile(std::string fileName, std::string contents);

    // The file as it is now, read once (a file that cannot be read as an empty
    // one); of an object that holds a copy (a snapshot, or inside Update), that copy.
    TIniFile Snapshot() const;

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    // Runs edits, whose writes (and reads) go to one copy of the file held in
    // memory, then replaces the file once: a save of many keys is never seen
    // half done. If edits throws, nothing is written and the exception passes
    // on. An Update of the same object inside edits joins the outer one.
    void Update(const std::function<void(TIniFile&)>& edits);
    // The text a file holding contents would hold after edits, with no file
    // read or written (a page in the browser has none).
    static std::string EditedText(std::string contents,
                                  const std::function<void(TIniFile&)>& edits);

    // Whole numbers, hexadecimal prefixes included; a value that is not a valid
    // whole number reads as the default, without a message.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // Written in plain decimal.
    void WriteInteger(const std::string& section, const std::string& key, int value);

  private:
    std::string fileName_;
    std::optional<std::string> pending_;  // the copy being edited, inside Update
    std::optional<std::string> snapshot_; // the copy reads come from, if any
};

} // namespace kelvane
