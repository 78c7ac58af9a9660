///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/CoreTestHelpers.h
// Purpose:     Documents parsed from memory and a text measurer of fixed
//              character size, shared by the tests without a display
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_TESTS_CORE_CORETESTHELPERS_H
#define LAUNCHER_TESTS_CORE_CORETESTHELPERS_H

#include "panel/TextFit.h"

#include <wx/mstream.h>
#include <wx/strconv.h>
#include <wx/xml/xml.h>

#include <string>

// Loads a document from its text; the toolkit's complaints about a broken
// one go to whatever log target is active.
inline bool ParseXml(const std::string& text, wxXmlDocument& document)
{
    wxMemoryInputStream stream(text.data(), text.size());
    return document.Load(stream, "UTF-8");
}

// The encodings that a strings.xml may come in besides plain UTF-8.
enum class Utf16 { LittleEndianWithMark, BigEndianWithMark, LittleEndian };

// A UTF-8 text in UTF-16, as Windows Notepad saves "Unicode".
inline std::string ToUtf16(const std::string& utf8, Utf16 form)
{
    const wxString text = wxString::FromUTF8(utf8.data(), utf8.size());
    const bool big = form == Utf16::BigEndianWithMark;
    const wxScopedCharBuffer units = big ? text.mb_str(wxMBConvUTF16BE())
                                         : text.mb_str(wxMBConvUTF16LE());
    std::string bytes(units.data(), units.length());
    if ( form != Utf16::LittleEndian )
        bytes.insert(0, big ? "\xfe\xff" : "\xff\xfe");
    return bytes;
}

// Every character has the same width, every non-empty text the same height
// and the empty text no size at all, as a monospaced font would give.
class FixedMeasurer : public TextMeasurer
{
public:
    explicit FixedMeasurer(int charWidth = 10, int lineHeight = 20)
        : m_charWidth(charWidth), m_lineHeight(lineHeight) { }

    virtual void GetTextExtent(const wxString& text,
                               int* width, int* height) const wxOVERRIDE
    {
        if ( width )
            *width = static_cast<int>(text.length()) * m_charWidth;
        if ( height )
            *height = text.empty() ? 0 : m_lineHeight;
    }

    virtual void GetPartialTextExtents(const wxString& text,
                                       wxArrayInt& widths) const wxOVERRIDE
    {
        widths.Empty();
        for ( size_t n = 1; n <= text.length(); ++n )
            widths.Add(static_cast<int>(n) * m_charWidth);
    }

private:
    const int m_charWidth;
    const int m_lineHeight;
};

#endif // LAUNCHER_TESTS_CORE_CORETESTHELPERS_H
