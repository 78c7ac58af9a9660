///////////////////////////////////////////////////////////////////////////////
// Name:        content/ContentFile.h
// Purpose:     Reading strings.xml safely, whatever the file holds
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_CONTENT_CONTENTFILE_H
#define LAUNCHER_CONTENT_CONTENTFILE_H

#include <wx/filefn.h>
#include <wx/string.h>

class wxInputStream;
class wxXmlDocument;

// A strings.xml holds a few texts and five entries; anything this large is
// not one, and reading it would only cost the memory of a document many
// times its size.
const wxFileOffset MAX_CONTENT_FILE_SIZE = 16 * 1024 * 1024;

// Elements nested deeper than this make the document unreadable: the
// toolkit frees a document's elements recursively, so a deep enough one
// would overflow the stack.
const int MAX_CONTENT_DEPTH = 256;

// Reads the document at the path as XML in UTF-8 or, as the parser tells
// it from the start of the file, UTF-16. False, with the user told,
// when the file is missing, no regular file, too large, nested too deep or
// not well-formed; the document then has no root.
bool LoadContentFile(const wxString& path, wxXmlDocument& document);

// The same for a document that comes as a stream.
bool LoadContentStream(wxInputStream& stream, wxXmlDocument& document);

#endif // LAUNCHER_CONTENT_CONTENTFILE_H
