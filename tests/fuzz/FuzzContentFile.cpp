///////////////////////////////////////////////////////////////////////////////
// Name:        tests/fuzz/FuzzContentFile.cpp
// Purpose:     The nesting limit of the content reader against the
//              toolkit's own reader: the same documents, as long as they
//              nest no deeper than the limit
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

} // anonymous namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Small inputs only: the toolkit's reader, the reference here, frees
    // deep documents recursively.
    if ( size > 4096 )
        return 0;

    const std::string text(reinterpret_cast<const char*>(data), size);
    wxXmlDocument plain;
    const bool plainOk = ParseXml(text, plain);

    wxMemoryInputStream stream(data, size);
    wxXmlDocument limited;
    const bool limitedOk = LoadContentStream(stream, limited);

    // The limit only ever takes documents away, and only deep ones.
    if ( limitedOk && !plainOk )
        abort();
    if ( plainOk && limitedOk != (GetDepth(plain.GetRoot()) <= MAX_CONTENT_DEPTH) )
        abort();
    return 0;
}
