///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/TextFitTest.cpp
// Purpose:     Shortening texts with "..." and wrapping them into lines, on
//              a font where every character is 10 pixels wide and every
//              line 20 high
///////////////////////////////////////////////////////////////////////////////

#include "panel/TextFit.h"

#include "CoreTestHelpers.h"
#include "TestSupport.h"

#include <climits>
#include <functional>

namespace
{

typedef std::vector<wxString> Lines;

// Measures whole texts like FixedMeasurer but gets the partial extents
// wrong: it gives as many as the count says, each 0 when flat.
class OddMeasurer : public FixedMeasurer
{
public:
    OddMeasurer(std::function<long (long)> count, bool flat = false)
        : m_count(count), m_flat(flat) { }

    virtual void GetPartialTextExtents(const wxString& text,
                                       wxArrayInt& widths) const wxOVERRIDE
    {
        widths.Empty();
        const long count = m_count(static_cast<long>(text.length()));
        for ( long n = 1; n <= count; ++n )
            widths.Add(m_flat ? 0 : static_cast<int>(n) * 10);
    }

private:
    const std::function<long (long)> m_count;
    const bool m_flat;
};

// Measures like FixedMeasurer as far as the font library can: its widths
// count in 1/1024 pixel and overflow past 2^31 of those, the whole width
// coming back as 0. Remembers the longest text that it was asked about.
class OverflowingMeasurer : public FixedMeasurer
{
public:
    OverflowingMeasurer() : m_longest(0) { }

    virtual void GetTextExtent(const wxString& text,
                               int* width, int* height) const wxOVERRIDE
    {
        FixedMeasurer::GetTextExtent(text, width, height);
        if ( width && Units(text.length()) > INT_MAX )
            *width = 0;
        Remember(text);
    }

    virtual void GetPartialTextExtents(const wxString& text,
                                       wxArrayInt& widths) const wxOVERRIDE
    {
        widths.Empty();
        for ( size_t n = 1; n <= text.length(); ++n )
            widths.Add(static_cast<int>(static_cast<unsigned>(Units(n))) /
                       1024);
        Remember(text);
    }

    size_t GetLongest() const { return m_longest; }

private:
    static long long Units(size_t length) { return length * 10 * 1024LL; }
    void Remember(const wxString& text) const
        { m_longest = std::max(m_longest, text.length()); }

    mutable size_t m_longest;
};

const FixedMeasurer FIXED_SIZE;
const OddMeasurer NO_EXTENTS([](long) { return 0; });
const OddMeasurer FLAT_EXTENTS([](long n) { return n; }, true);

Lines Wrap(const TextMeasurer& measurer, const wxString& text, int width,
           int height)
{
    const wxArrayString lines = WrapText(measurer, text, width, height);
    return Lines(lines.begin(), lines.end());
}

// What every fitting must give, whatever the text and the measurer: the
// shortened text is the text itself or its beginning followed by "...";
// the lines are no more than the height holds, none empty, and together
// the text's beginning as it stands.
void CheckFitting(const TextMeasurer& measurer, const wxString& text,
                  int width, int height)
{
    const wxString fitted = FitTextToWidth(measurer, text, width);
    wxString kept;
    EXPECT_TRUE(fitted == text ||
                (fitted.EndsWith("...", &kept) && text.StartsWith(kept)))
        << fitted.length() << " characters";

    const Lines lines = Wrap(measurer, text, width, height);
    EXPECT_LE(lines.size(), static_cast<size_t>(std::max(height / 20, 0)));
    wxString joined;
    for ( const wxString& line : lines )
    {
        EXPECT_FALSE(line.empty());
        joined += line;
    }
    EXPECT_TRUE(text.StartsWith(joined));
}

} // anonymous namespace

TEST(TextFit, Shortening)
{
    const struct { const char* text; int width; const char* expected; }
        cases[] =
    {
        { "abcdefghij", 100, "abcdefghij" },
        // Seven characters with "..." make exactly 100 and still fit.
        { "abcdefghijkl", 100, "abc..." }, { "abcdefghijk", 109, "abc..." },
        { "abcdefghijklmnopqrst", 150, "abcdefgh..." },
        { "a b c d e f", 100, "a b..." }, { "abcdefgh", 75, "..." },
        // Fewer than four characters before the first that fails: "..."
        // alone, never the whole text.
        { "abcdefgh", 50, "..." }, { "abcdefgh", 0, "..." },
        { "abcdefgh", -1, "..." }, { "ab", 10, "..." },
        { "abc", INT_MIN, "..." }, { "abc", INT_MAX, "abc" },
        { "", 100, "" }, { "", 0, "" }, { "", INT_MIN, "" },
    };
    for ( const auto& c : cases )
        EXPECT_EQ(c.expected, FitTextToWidth(FIXED_SIZE, c.text, c.width))
            << c.text << " to " << c.width;

    // Extents that are missing, flat, too few or too many.
    const wxString text = "abcdefghijkl";
    EXPECT_EQ(text, FitTextToWidth(NO_EXTENTS, text, 100));
    EXPECT_EQ(text, FitTextToWidth(FLAT_EXTENTS, text, 100));
    EXPECT_EQ(text, FitTextToWidth(OddMeasurer([](long n) { return n / 2; }),
                                   text, 100));
    EXPECT_EQ("abc...", FitTextToWidth(OddMeasurer([](long n)
                                       { return n + 20; }), text, 100));
}

TEST(TextFit, Wrapping)
{
    const struct { const char* text; int width, height; Lines expected; }
        cases[] =
    {
        { "abc def ghi", 60, 50, { "abc ", "def " } },
        { "abc def ghi", 60, 60, { "abc ", "def ", "ghi" } },
        { "abc def ghi", 60, 20, { "abc " } },
        // Five characters on the line although six fit.
        { "abcdefghij", 60, 100, { "abcde", "fghij" } },
        // The space that is the first not to fit is no break point.
        { "abcdef ghi", 60, 100, { "abcde", "f ghi" } },
        // Nor is a leading space.
        { " abcdefgh", 60, 100, { " abcd", "efgh" } },
        // Only the space breaks: tabs and line feeds are characters.
        { "ab\tcd\nef gh", 60, 100, { "ab\tcd", "\nef gh" } },
        { "a b  c ", 100, 100, { "a b  c " } },
        { "a b  c ", 70, 100, { "a b  c " } },
        { "a b c d e f g h", 20, 100, { "a ", "b ", "c ", "d ", "e " } },
        { "abcdefghij", 60, 39, { "abcde" } },
        { "abc", 60, 19, { } }, { "abc", 60, 0, { } },
        { "abc", 60, -1, { } }, { "abc", 60, INT_MIN, { } },
        // Not even one character fits, or only the first: one a line.
        { "abc", 5, 100, { "a", "b", "c" } },
        { "abc", -10, 100, { "a", "b", "c" } },
        { "abcd", 15, 100, { "a", "b", "c", "d" } },
        { " a b", 15, 100, { " ", "a", " ", "b" } },
        { "abcdefgh", 5, 60, { "a", "b", "c" } },
        // An empty text is no line at all.
        { "", 60, 100, { } },
    };
    for ( const auto& c : cases )
        EXPECT_EQ(c.expected, Wrap(FIXED_SIZE, c.text, c.width, c.height))
            << '"' << c.text << "\" to " << c.width << " x " << c.height;

    // Lines without height cannot be counted into any height.
    EXPECT_EQ(Lines(), Wrap(FixedMeasurer(10, 0), "abc def", 30, 100));

    // Without a cut point what remains is the last line; too few or too
    // many extents still cut where the text stops fitting.
    EXPECT_EQ(Lines({ "abc def ghi" }),
              Wrap(NO_EXTENTS, "abc def ghi", 60, 100));
    EXPECT_EQ(Lines({ "abc def ghi" }),
              Wrap(FLAT_EXTENTS, "abc def ghi", 60, 100));
    EXPECT_EQ(Lines({ "abcde", "fghijklmn" }),
              Wrap(OddMeasurer([](long n) { return n - 6; }),
                   "abcdefghijklmn", 60, 100));
    EXPECT_EQ(Lines({ "abcde", "fghij" }),
              Wrap(OddMeasurer([](long n) { return 2 * n; }), "abcdefghij",
                   60, 100));
}

TEST(TextFit, HostileTextsStayBounded)
{
    // Long texts are cut where short ones would be.
    const wxString longWord('x', 50000);
    wxString words;
    for ( int n = 0; n < 12500; ++n )
        words += "abc ";
    EXPECT_EQ(Lines(5, wxString('x', 35)), Wrap(FIXED_SIZE, longWord, 365, 100));
    EXPECT_EQ(Lines(3, "abc abc abc abc abc abc abc abc abc "),
              Wrap(FIXED_SIZE, words, 365, 60));
    EXPECT_EQ(wxString('x', 32) + "...", FitTextToWidth(FIXED_SIZE, longWord, 395));
    EXPECT_EQ("abc abc abc abc abc abc abc abc ...",
              FitTextToWidth(FIXED_SIZE, words, 395));

    // Too wide for the font library to measure whole, and too long to be
    // measured whole at every paint.
    const OverflowingMeasurer overflowing;
    const wxString longer('x', 300000);
    const Lines lines = Wrap(overflowing, longer, 365, 100);
    EXPECT_TRUE(lines == Lines(5, wxString('x', 35)))
        << lines.size() << " lines, the first of "
        << (lines.empty() ? 0 : lines[0].length());
    EXPECT_EQ(wxString('x', 32) + "...",
              FitTextToWidth(overflowing, longer, 395));
    EXPECT_LE(overflowing.GetLongest(), 10000u);

    // Blanks, tabs and line feeds, right-to-left and combining characters
    // and emoji, long and short, on right and wrong extents.
    const char* const samples[] =
    {
        " ", "\t\n",
        "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD7\xA2\xD7\x95\xD7\x9C\xD7\x9D ",
        "e\xCC\x81\xCC\xA3 a\xCC\x8A",
        "\xF0\x9F\x98\x80\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9 ",
    };
    const OddMeasurer more([](long n) { return n + 7; });
    const TextMeasurer* const measurers[] = { &FIXED_SIZE, &NO_EXTENTS, &more };
    for ( const char* sample : samples )
    {
        wxString text;
        while ( text.length() < 50000 )
            text += wxString::FromUTF8(sample);
        for ( const TextMeasurer* measurer : measurers )
        {
            for ( int width : { -10, 15, 365 } )
                CheckFitting(*measurer, text, width, 435);
            CheckFitting(*measurer, text.Left(2), 5, 100);
            CheckFitting(*measurer, text.Left(1), 5, 100);
        }
    }
}
