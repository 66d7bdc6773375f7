#pragma once

// The encodings a text file can arrive in. A file with a byte-order mark says its encoding; a file
// without one is UTF-8 when its bytes are valid UTF-8 and Windows-1252 otherwise, the code page that
// the reports of Windows-hosted servers are usually saved in.
enum class TextEncoding {
    Utf8, // no mark
    Utf8WithMark, // EF BB BF
    Utf16LE, // FF FE
    Utf16BE, // FE FF
    Windows1252, // no mark, bytes that are not valid UTF-8
};

// Whether files in this encoding begin with a byte-order mark.
constexpr bool hasByteOrderMark(TextEncoding e)
{
    return e == TextEncoding::Utf8WithMark || e == TextEncoding::Utf16LE || e == TextEncoding::Utf16BE;
}
