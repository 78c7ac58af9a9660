///////////////////////////////////////////////////////////////////////////////
// Name:        content/ContentFile.cpp
// Purpose:     Reading strings.xml safely, whatever the file holds
///////////////////////////////////////////////////////////////////////////////

#include "content/ContentFile.h"

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/wfstream.h>
#include <wx/xml/xml.h>

#include <memory>

namespace
{

// Follows the markup of an XML text character by character, as far as it
// takes to know how deep the elements nest: start and end tags, empty
// elements, and the comments, CDATA sections, processing instructions and
// declarations whose content is not markup. Markup is ASCII, so any other
// character may come as any byte of 0x80 and above.
class NestingTracker
{
public:
    NestingTracker() : m_state(TEXT), m_resume(TEXT), m_depth(0), m_quote(0),
                       m_subset(0), m_run(0), m_previous(0) { }

    // Takes the next character; false when it opens an element too deep.
    bool Feed(char ch)
    {
        const char previous = m_previous;
        m_previous = ch;
        switch ( m_state )
        {
            case TEXT:
                if ( ch == '<' )
                    m_state = MARKUP;
                break;

            case MARKUP:
                if ( ch == '/' )
                    m_state = END_TAG;
                else if ( ch == '!' )
                    m_state = BANG;
                else if ( ch == '?' )
                    Skip(INSTRUCTION, TEXT);
                else
                {
                    m_state = START_TAG;
                    m_quote = 0;
                    if ( ++m_depth > MAX_CONTENT_DEPTH )
                        return false;
                }
                break;

            case START_TAG:
                if ( TakeQuote(ch) )
                    break;
                if ( ch == '>' )
                {
                    if ( previous == '/' )
                        --m_depth;
                    m_state = TEXT;
                }
                break;

            case END_TAG:
                if ( ch == '>' )
                {
                    --m_depth;
                    m_state = TEXT;
                }
                break;

            case BANG:
                if ( ch == '-' )
                    m_state = BANG_DASH;
                else if ( ch == '[' )
                    Skip(CDATA, TEXT);
                else
                    return BeginDeclaration(ch);
                break;

            case BANG_DASH:
                if ( ch != '-' )
                    return BeginDeclaration(ch);
                Skip(COMMENT, TEXT);
                break;

            case COMMENT:
                EndAtRun(ch, '-');
                break;

            case CDATA:
                EndAtRun(ch, ']');
                break;

            case INSTRUCTION:
                if ( ch == '>' && previous == '?' )
                    m_state = m_resume;
                break;

            case DECLARATION:
                if ( TakeQuote(ch) )
                    break;
                if ( ch == '[' )
                    ++m_subset;
                else if ( ch == ']' )
                    --m_subset;
                else if ( ch == '<' && m_subset > 0 )
                    m_state = SUBSET_MARKUP;
                else if ( ch == '>' && m_subset <= 0 )
                    m_state = TEXT;
                break;

            case SUBSET_MARKUP:
                // Inside a document type's own declarations: comments and
                // instructions are skipped, the declarations are part of
                // the one that holds them.
                if ( ch == '?' )
                    Skip(INSTRUCTION, DECLARATION);
                else if ( ch == '!' )
                    m_state = SUBSET_BANG;
                else
                    return Continue(DECLARATION, ch);
                break;

            case SUBSET_BANG:
                if ( ch != '-' )
                    return Continue(DECLARATION, ch);
                m_state = SUBSET_BANG_DASH;
                break;

            case SUBSET_BANG_DASH:
                if ( ch != '-' )
                    return Continue(DECLARATION, ch);
                Skip(COMMENT, DECLARATION);
                break;
        }
        return true;
    }

private:
    enum State
    {
        TEXT, MARKUP, START_TAG, END_TAG, BANG, BANG_DASH, COMMENT, CDATA,
        INSTRUCTION, DECLARATION, SUBSET_MARKUP, SUBSET_BANG,
        SUBSET_BANG_DASH
    };

    // Enters a stretch that is not markup, to go back to resume after it.
    void Skip(State state, State resume)
    {
        m_state = state;
        m_resume = resume;
        m_run = 0;
    }

    bool Continue(State state, char ch)
    {
        m_state = state;
        m_previous = 0;
        return Feed(ch);
    }

    bool BeginDeclaration(char ch)
    {
        m_quote = 0;
        m_subset = 0;
        return Continue(DECLARATION, ch);
    }

    // Ends a comment at "-->" and a CDATA section at "]]>".
    void EndAtRun(char ch, char repeated)
    {
        if ( ch == '>' && m_run >= 2 )
            m_state = m_resume;
        m_run = ch == repeated ? m_run + 1 : 0;
    }

    // Follows quoted values, in which no character is markup; true while
    // inside one.
    bool TakeQuote(char ch)
    {
        if ( m_quote )
        {
            if ( ch == m_quote )
                m_quote = 0;
            return true;
        }
        if ( ch == '"' || ch == '\'' )
        {
            m_quote = ch;
            return true;
        }
        return false;
    }

    State m_state;
    State m_resume;
    int m_depth;
    char m_quote;
    int m_subset;
    int m_run;
    char m_previous;
};

// Hands the tracker the characters of a document in the encoding that the
// parser reads it in, which it tells from the first two bytes as the parser
// does: UTF-16 after a byte-order mark, or when one of them is zero (an XML
// document starts with ASCII); otherwise one byte at a time, which serves
// UTF-8 with or without its mark, as no byte of a longer UTF-8 sequence
// looks like markup. Counting UTF-16 by bytes would take every tag for one
// that opens an element.
class DocumentScanner
{
public:
    DocumentScanner() : m_encoding(UNDECIDED), m_held(0), m_holding(false) { }

    // Takes the next byte; false when it completes a character that opens
    // an element too deep.
    bool Feed(unsigned char byte)
    {
        if ( m_encoding == BYTES )
            return m_tracker.Feed(static_cast<char>(byte));

        // Reads may end in the middle of a UTF-16 unit.
        if ( !m_holding )
        {
            m_held = byte;
            m_holding = true;
            return true;
        }
        m_holding = false;

        if ( m_encoding == UNDECIDED )
        {
            m_encoding = Detect(m_held, byte);
            if ( m_encoding == BYTES )
                return m_tracker.Feed(static_cast<char>(m_held))
                       && m_tracker.Feed(static_cast<char>(byte));
        }

        const unsigned unit = m_encoding == UTF16_LE ? m_held | (byte << 8)
                                                     : (m_held << 8) | byte;
        return m_tracker.Feed(unit < 0x80 ? static_cast<char>(unit) : '\x80');
    }

private:
    enum Encoding { UNDECIDED, BYTES, UTF16_LE, UTF16_BE };

    static Encoding Detect(unsigned char first, unsigned char second)
    {
        if ( (first == 0xfe && second == 0xff) || first == 0 )
            return UTF16_BE;
        if ( (first == 0xff && second == 0xfe) || second == 0 )
            return UTF16_LE;
        return BYTES;
    }

    NestingTracker m_tracker;
    Encoding m_encoding;
    unsigned char m_held;
    bool m_holding;
};

// Hands the document on up to the first element that would nest too deep,
// and ends it there, so that the parser sees an unfinished document.
class NestingLimitStream : public wxFilterInputStream
{
public:
    explicit NestingLimitStream(wxInputStream& stream)
        : wxFilterInputStream(stream), m_tooDeep(false) { }

    bool IsTooDeep() const { return m_tooDeep; }

    // Lets the log through again once the parser has given up.
    void EndSilence() { m_silence.reset(); }

protected:
    virtual size_t OnSysRead(void* buffer, size_t size) wxOVERRIDE
    {
        if ( m_tooDeep )
        {
            m_lasterror = wxSTREAM_EOF;
            return 0;
        }

        const size_t count = m_parent_i_stream->Read(buffer, size).LastRead();
        const unsigned char* const bytes = static_cast<unsigned char*>(buffer);
        for ( size_t n = 0; n < count; ++n )
        {
            if ( !m_scanner.Feed(bytes[n]) )
            {
                // The parser will complain of the unfinished document it
                // sees; the user is told why instead, once, after it.
                m_tooDeep = true;
                m_silence.reset(new wxLogNull);
                return n;
            }
        }
        if ( count == 0 )
            m_lasterror = m_parent_i_stream->GetLastError();
        return count;
    }

private:
    DocumentScanner m_scanner;
    bool m_tooDeep;
    std::unique_ptr<wxLogNull> m_silence;
};

} // anonymous namespace

bool LoadContentStream(wxInputStream& stream, wxXmlDocument& document)
{
    NestingLimitStream limited(stream);
    const bool loaded = document.Load(limited, "UTF-8");
    limited.EndSilence();
    if ( limited.IsTooDeep() )
    {
        wxLogError("The content file nests its elements more than %d deep "
                   "and is not read.", MAX_CONTENT_DEPTH);
        return false;
    }
    return loaded;
}

bool LoadContentFile(const wxString& path, wxXmlDocument& document)
{
    // Reading a pipe or a device could wait for ever.
    if ( wxFileName::Exists(path) && !wxFileName::FileExists(path) )
    {
        wxLogError("The content file \"%s\" is not a regular file and is not "
                   "read.", path);
        return false;
    }

    if ( wxFileName::FileExists(path) )
    {
        const wxULongLong size = wxFileName::GetSize(path);
        if ( size != wxInvalidSize && size > wxULongLong(MAX_CONTENT_FILE_SIZE) )
        {
            wxLogError("The content file \"%s\" is larger than %d MB and is "
                       "not read.", path,
                       static_cast<int>(MAX_CONTENT_FILE_SIZE / (1024 * 1024)));
            return false;
        }
    }

    // Opening it reports a file that is missing or unreadable.
    wxFFileInputStream stream(path);
    if ( !stream.IsOk() )
        return false;
    return LoadContentStream(stream, document);
}
