///////////////////////////////////////////////////////////////////////////////
// Name:        tests/fuzz/FuzzContentFile.cpp
// Purpose:     The nesting limit of the content reader against the
//              toolkit's own reader: the same documents, in UTF-8 or
//              UTF-16, as long as they nest no deeper than the limit
///////////////////////////////////////////////////////////////////////////////

#include "FuzzSupport.h"

#include "CoreTestHelpers.h"

#include "content/ContentFile.h"

#include <wx/mstream.h>

#include <vector>

namespace
{

int GetDepth(const wxXmlNode* root)
{
    int deepest = 0;
    std::vector<std::pair<const wxXmlNode*, int>> pending;
    if ( root )
        pending.push_back(std::make_pair(root, 1));
    while ( !pending.empty() )
    {
        const auto item = pending.back();
        pending.pop_back();
        if ( item.first->GetType() == wxXML_ELEMENT_NODE )
            deepest = std::max(deepest, item.second);
        for ( const wxXmlNode* child = item.first->GetChildren(); child;
              child = child->GetNext() )
            pending.push_back(std::make_pair(child, item.second + 1));
    }
    return deepest;
}

// The limit only ever takes documents away, and only deep ones.
void CheckLimit(const std::string& bytes)
{
    wxXmlDocument plain;
    const bool plainOk = ParseXml(bytes, plain);

    wxMemoryInputStream stream(bytes.data(), bytes.size());
    wxXmlDocument limited;
    const bool limitedOk = LoadContentStream(stream, limited);

    if ( limitedOk && !plainOk )
        abort();
    if ( plainOk && limitedOk != (GetDepth(plain.GetRoot()) <= MAX_CONTENT_DEPTH) )
        abort();
}

} // anonymous namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Small inputs only: the toolkit's reader, the reference here, frees
    // deep documents recursively.
    if ( size > 4096 )
        return 0;

    // The input as it is, and its text in each form of UTF-16 that the
    // reader tells apart.
    CheckLimit(std::string(reinterpret_cast<const char*>(data), size));
    const std::string text(InputText(data, size).utf8_str());
    for ( Utf16 form : { Utf16::LittleEndianWithMark, Utf16::BigEndianWithMark,
                         Utf16::LittleEndian } )
        CheckLimit(ToUtf16(text, form));
    return 0;
}
